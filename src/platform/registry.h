#pragma once
// AAN, the program's only access to the registry: read a value as text, write text,
// list a key's subkeys. Every call opens the key it needs and closes it again; no
// failure is reported: what is missing reads as nothing, a refused write changes nothing.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvio::platform {

enum class RegistryRoot { CurrentUser, LocalMachine };

class Registry {
 public:
  virtual ~Registry() = default;
  // RegGetString: string values without their terminating zero, other types as their raw
  // bytes; nothing when the key or the value is missing.
  virtual std::optional<std::string> GetString(RegistryRoot root, std::string_view keyPath,
                                               std::string_view valueName) = 0;
  // RegSetValue with REG_SZ: creates the key path as needed.
  virtual void SetString(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                         std::string_view text) = 0;
  // RegEnumSubKeys: the subkey names in the registry's own order; none for a missing key.
  virtual std::vector<std::string> SubKeyNames(RegistryRoot root, std::string_view keyPath) = 0;
};

}  // namespace tarvio::platform
