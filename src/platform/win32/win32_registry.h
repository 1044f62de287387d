#pragma once
// The registry primitives on the real advapi32 "A" functions.
#include "platform/registry.h"

namespace tarvio::platform::win32 {

class Win32Registry final : public Registry {
 public:
  RegStatus OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options, std::uint32_t access,
                      RegKey* result) override;
  RegStatus QueryInfoKey(RegKey key, RegKeyInfo* info) override;
  RegStatus QueryValueEx(RegKey key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                         std::uint32_t* dataLen) override;
  RegStatus EnumKeyEx(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameLen) override;
  RegStatus CreateKey(RegKey root, const std::string& subKey, RegKey* result) override;
  RegStatus SetValueEx(RegKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                       std::uint32_t dataLen) override;
  RegStatus CloseKey(RegKey key) override;
};

}  // namespace tarvio::platform::win32
