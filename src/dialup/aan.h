#pragma once
// AAN: the program's only access to the registry. Each call opens the key it needs,
// does its work and closes the key again; no failure is ever reported: a missing key
// or value yields blank text or no names, and a refused write changes nothing.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tarvio::platform {
class AnsiCodec;
}

namespace tarvio::dialup {

// Entry 0 is always empty and is not a name; entries 1..N hold the N subkey names.
using SubKeyNames = std::vector<std::string>;

class Aan {
 public:
  Aan(platform::Registry& registry, const platform::AnsiCodec& codec) : registry_(registry), codec_(codec) {}

  // The value as text: string types without their final zero byte, other types as raw
  // bytes; one blank when the key cannot be opened, blanks only when the value is missing.
  std::string RegGetString(platform::RegKey root, const std::string& keyPath, const std::string& valueName);
  // Writes the value, creating the key path; string types get their terminating zero.
  void RegSetValue(platform::RegKey root, const std::string& keyPath, const std::string& valueName,
                   const std::string& value, std::uint32_t type);
  // The subkey names in the registry's enumeration order, behind an empty entry 0.
  SubKeyNames RegEnumSubKeys(platform::RegKey root, const std::string& keyPath);

 private:
  platform::Registry& registry_;
  const platform::AnsiCodec& codec_;
};

}  // namespace tarvio::dialup
