#pragma once
// " (V1.0.203)": major, minor and the last of the four numbers of the file version.
#include <string>

#include "platform/program_info.h"

namespace tarvio::extras {

std::string VersionSuffix(const platform::ProgramVersion& version);
std::string VersionSuffix(const platform::ProgramInfo& program);

}  // namespace tarvio::extras
