#pragma once
// The running program file's path and version resource.
#include "platform/program_info.h"

namespace tarvio::platform {
class AnsiCodec;
}

namespace tarvio::platform::win32 {

class Win32ProgramInfo final : public ProgramInfo {
 public:
  explicit Win32ProgramInfo(const AnsiCodec& codec) : codec_(codec) {}
  std::string ProgramFilePath() const override;
  ProgramVersion Version() const override;

 private:
  const AnsiCodec& codec_;
};

}  // namespace tarvio::platform::win32
