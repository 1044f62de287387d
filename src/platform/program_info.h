#pragma once
// The running program file: where it lies and the version its version resource carries.
#include <string>

namespace tarvio::platform {

// The four numbers of the file version, as in 1.0.0.203; all 0 without a version resource.
struct ProgramVersion {
  int major;
  int minor;
  int build;
  int revision;
};

class ProgramInfo {
 public:
  virtual ~ProgramInfo() = default;
  virtual std::string ProgramFilePath() const = 0;
  virtual ProgramVersion Version() const = 0;
};

}  // namespace tarvio::platform
