#pragma once
// A registry that passes every call on to another one; tests derive from it and
// override only the calls they watch.
#include "platform/registry.h"

namespace tarvio::test {

class ForwardingRegistry : public platform::Registry {
 public:
  explicit ForwardingRegistry(platform::Registry& inner) : inner_(inner) {}

  platform::RegStatus OpenKeyEx(platform::RegKey root, const std::string& subKey, std::uint32_t options,
                                std::uint32_t access, platform::RegKey* result) override {
    return inner_.OpenKeyEx(root, subKey, options, access, result);
  }
  platform::RegStatus QueryInfoKey(platform::RegKey key, platform::RegKeyInfo* info) override {
    return inner_.QueryInfoKey(key, info);
  }
  platform::RegStatus QueryValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t* type,
                                   std::uint8_t* data, std::uint32_t* dataLen) override {
    return inner_.QueryValueEx(key, valueName, type, data, dataLen);
  }
  platform::RegStatus EnumKeyEx(platform::RegKey key, std::uint32_t index, char* name,
                                std::uint32_t* nameLen) override {
    return inner_.EnumKeyEx(key, index, name, nameLen);
  }
  platform::RegStatus CreateKey(platform::RegKey root, const std::string& subKey, platform::RegKey* result) override {
    return inner_.CreateKey(root, subKey, result);
  }
  platform::RegStatus SetValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t dataLen) override {
    return inner_.SetValueEx(key, valueName, type, data, dataLen);
  }
  platform::RegStatus CloseKey(platform::RegKey key) override { return inner_.CloseKey(key); }

 private:
  platform::Registry& inner_;
};

}  // namespace tarvio::test
