#pragma once
// The running program file's path and version resource.
#include "platform/program_info.h"

namespace tarvio::platform::win32 {

class Win32ProgramInfo final : public ProgramInfo {
 public:
  std::string ProgramFilePath() const override;
  ProgramVersion Version() const override;
};

}  // namespace tarvio::platform::win32
