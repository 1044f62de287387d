#include "extras/version_suffix.h"

namespace tarvio::extras {

std::string VersionSuffix(const platform::ProgramVersion& version) {
  return " (V" + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
         std::to_string(version.revision) + ")";
}

std::string VersionSuffix(const platform::ProgramInfo& program) { return VersionSuffix(program.Version()); }

}  // namespace tarvio::extras
