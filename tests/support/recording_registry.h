#pragma once
// A registry that passes every call on to another one and keeps a list of the values
// written, for tests that must see exactly which writes happened and in what order.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/forwarding_registry.h"

namespace tarvio::test {

class RecordingRegistry final : public ForwardingRegistry {
 public:
  struct Write {
    std::string keyPath;  // "HKCU\\remoteaccess": the root and the path the key was created with
    std::string valueName;
    std::string text;  // the data without a final zero byte
    std::uint32_t type;
    std::string when;  // what stamp() said at the time, empty without one
    bool operator==(const Write&) const = default;
  };

  explicit RecordingRegistry(platform::Registry& inner) : ForwardingRegistry(inner) {}

  platform::RegStatus CreateKey(platform::RegKey root, const std::string& subKey, platform::RegKey* result) override {
    const platform::RegStatus status = ForwardingRegistry::CreateKey(root, subKey, result);
    if (status == platform::kRegSuccess && result != nullptr) {
      paths_[*result] = std::string(root == platform::kHkeyCurrentUser ? "HKCU\\" : "HKLM\\") + subKey;
    }
    return status;
  }
  platform::RegStatus SetValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t dataLen) override {
    std::string text(reinterpret_cast<const char*>(data), dataLen);
    if (!text.empty() && text.back() == '\0') text.pop_back();
    const auto path = paths_.find(key);
    writes.push_back({path != paths_.end() ? path->second : std::string("?"), valueName, text, type, stamp ? stamp() : std::string()});
    return ForwardingRegistry::SetValueEx(key, valueName, type, data, dataLen);
  }

  std::vector<Write> writes;
  std::function<std::string()> stamp;  // labels each write, e.g. with the simulated time

 private:
  std::map<platform::RegKey, std::string> paths_;
};

}  // namespace tarvio::test
