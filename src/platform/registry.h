#pragma once
// AAN, the program's only access to the registry: read a value as text, write text,
// list a key's subkeys. Every call opens the key it needs and closes it again. What is
// missing reads as nothing; a write says whether Windows stored it, so that nobody shows
// a value the registry does not hold.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvio::platform {

enum class RegistryRoot { CurrentUser, LocalMachine };

class Registry {
 public:
  virtual ~Registry() = default;
  // RegGetString: string values as their text, without the zero bytes at their end; a
  // REG_DWORD as its decimal number; nothing when the key or the value is missing or of
  // another type.
  virtual std::optional<std::string> GetString(RegistryRoot root, std::string_view keyPath,
                                               std::string_view valueName) = 0;
  // RegSetValue with REG_SZ: creates the key path as needed. False when Windows refused
  // the write (from Windows 2000 on a standard user may not write below HKLM\System);
  // the stored value is then unchanged.
  [[nodiscard]] virtual bool SetString(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                                       std::string_view text) = 0;
  // RegEnumSubKeys: the subkey names in the registry's own order; none for a missing key.
  virtual std::vector<std::string> SubKeyNames(RegistryRoot root, std::string_view keyPath) = 0;
};

}  // namespace tarvio::platform
