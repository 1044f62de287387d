#pragma once
// The registry as a map from "HKCU\key\value" to text, recording every write in order.
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
  void SetString(platform::RegistryRoot root, std::string_view key, std::string_view value,
                 std::string_view text) override {
    values[Name(root, key, value)] = text;
    writes.push_back(Name(root, key, value) + "=" + std::string(text));
  }
  std::vector<std::string> SubKeyNames(platform::RegistryRoot root, std::string_view key) override {
    return subKeys[Name(root, key)];
  }

  std::map<std::string, std::string> values;
  std::map<std::string, std::vector<std::string>> subKeys;  // in the registry's order
  std::vector<std::string> writes;                          // "HKCU\key\value=text"
};

}  // namespace tarvio::test
