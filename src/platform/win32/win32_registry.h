#pragma once
// AAN on the real advapi32 "A" functions.
#include "platform/registry.h"

namespace tarvio::platform::win32 {

class Win32Registry final : public Registry {
 public:
  std::optional<std::string> GetString(RegistryRoot root, std::string_view keyPath,
                                       std::string_view valueName) override;
  bool SetString(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                 std::string_view text) override;
  std::vector<std::string> SubKeyNames(RegistryRoot root, std::string_view keyPath) override;
};

}  // namespace tarvio::platform::win32
