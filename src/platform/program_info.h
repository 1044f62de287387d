#pragma once
// The running program file: where it lies and the version its version resource carries.
#include <string>

namespace tarvio::platform {

// The four numbers of the file version, as in 1.0.0.203.
struct ProgramVersion {
  int major = 0;
  int minor = 0;
  int build = 0;
  int revision = 0;
};

class ProgramInfo {
 public:
  virtual ~ProgramInfo() = default;
  // Full path of the program file, UTF-8.
  virtual std::string ProgramFilePath() const = 0;
  // All zero when the file has no version resource.
  virtual ProgramVersion Version() const = 0;
};

}  // namespace tarvio::platform
