#pragma once
// Helpers for tests that use scratch keys in the real registry.
#include <string>

#include "platform/registry.h"

namespace tarvio::platform::win32 {

// Removes the key with everything below it.
RegStatus DeleteKeyTree(RegKey root, const std::string& subKey);
// A key name that no other process running now uses.
std::string UniqueScratchName();
// True under Wine, whose registry differs from Windows in a few documented details.
bool RunningUnderWine();

}  // namespace tarvio::platform::win32
