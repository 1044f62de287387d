#pragma once
// The program file as the test says it is: a path and a version resource.
#include <string>

#include "platform/program_info.h"

namespace tarvio::platform::portable {

class FixedProgramInfo final : public ProgramInfo {
 public:
  std::string ProgramFilePath() const override { return filePath; }
  ProgramVersion Version() const override { return version; }

  std::string filePath = "C:\\Programme\\Tarvio\\Tarvio.exe";
  ProgramVersion version{1, 0, 0, 203};
};

}  // namespace tarvio::platform::portable
