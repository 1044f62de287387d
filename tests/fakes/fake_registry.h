#pragma once
// The registry as a map from "HKCU\key\value" to text, recording every write in order;
// read-only when told, as for a standard user.
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tarvio::test {

class FakeRegistry final : public platform::Registry {
 public:
  static std::string Name(platform::RegistryRoot root, std::string_view key, std::string_view value = {}) {
    return std::string(root == platform::RegistryRoot::CurrentUser ? "HKCU\\" : "HKLM\\") + std::string(key) +
           (value.empty() ? "" : "\\" + std::string(value));
  }
  std::optional<std::string> GetString(platform::RegistryRoot root, std::string_view key,
                                       std::string_view value) override {
    const auto found = values.find(Name(root, key, value));
    return found == values.end() ? std::nullopt : std::optional(found->second);
  }
  bool SetString(platform::RegistryRoot root, std::string_view key, std::string_view value,
                 std::string_view text) override {
    if (readOnly) {
      ++refused;
      return false;
    }
    values[Name(root, key, value)] = text;
    writes.push_back(Name(root, key, value) + "=" + std::string(text));
    return true;
  }
  std::vector<std::string> SubKeyNames(platform::RegistryRoot root, std::string_view key) override {
    return subKeys[Name(root, key)];
  }

  std::map<std::string, std::string> values;
  std::map<std::string, std::vector<std::string>> subKeys;  // in the registry's order
  std::vector<std::string> writes;                          // "HKCU\key\value=text"
  bool readOnly = false;                                    // every write is refused
  int refused = 0;                                          // writes refused so far
};

}  // namespace tarvio::test
