#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <cstdint>

namespace tarvio::platform::win32 {
namespace {

// The predefined roots are sign-extended 32-bit values in a 64-bit process
// (0xFFFFFFFF80000001), so they are mapped by name, not converted.
HKEY ToHkey(RegKey key) {
  if (key == kHkeyCurrentUser) return HKEY_CURRENT_USER;
  if (key == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
  return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(key));
}

RegKey FromHkey(HKEY key) {
  if (key == HKEY_CURRENT_USER) return kHkeyCurrentUser;
  if (key == HKEY_LOCAL_MACHINE) return kHkeyLocalMachine;
  return static_cast<RegKey>(reinterpret_cast<std::uintptr_t>(key));
}

}  // namespace

RegStatus Win32Registry::OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                                   std::uint32_t access, RegKey* result) {
  HKEY opened = nullptr;
  const LSTATUS status = RegOpenKeyExA(ToHkey(root), subKey.c_str(), options, access, &opened);
  if (status == ERROR_SUCCESS && result != nullptr) *result = FromHkey(opened);
  return status;
}

RegStatus Win32Registry::QueryInfoKey(RegKey key, RegKeyInfo* info) {
  DWORD subKeys = 0;
  DWORD maxSubKeyLen = 0;
  DWORD maxClassLen = 0;
  DWORD values = 0;
  DWORD maxValueNameLen = 0;
  DWORD maxValueLen = 0;
  DWORD securityDescriptor = 0;
  FILETIME lastWrite{};
  const LSTATUS status = RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &subKeys, &maxSubKeyLen,
                                          &maxClassLen, &values, &maxValueNameLen, &maxValueLen,
                                          &securityDescriptor, &lastWrite);
  if (status == ERROR_SUCCESS && info != nullptr) {
    info->subKeys = subKeys;
    info->maxSubKeyLen = maxSubKeyLen;
    info->values = values;
    info->maxValueNameLen = maxValueNameLen;
    info->maxValueLen = maxValueLen;
  }
  return status;
}

RegStatus Win32Registry::QueryValueEx(RegKey key, const std::string& valueName, std::uint32_t* type,
                                      std::uint8_t* data, std::uint32_t* dataLen) {
  DWORD valueType = type != nullptr ? *type : 0;
  DWORD length = dataLen != nullptr ? *dataLen : 0;
  const LSTATUS status = RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, type != nullptr ? &valueType : nullptr,
                                          data, dataLen != nullptr ? &length : nullptr);
  // Windows reports type and size also when the data does not fit.
  if (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    if (type != nullptr) *type = valueType;
    if (dataLen != nullptr) *dataLen = length;
  }
  return status;
}

RegStatus Win32Registry::EnumKeyEx(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameLen) {
  DWORD length = nameLen != nullptr ? *nameLen : 0;
  FILETIME lastWrite{};
  const LSTATUS status = RegEnumKeyExA(ToHkey(key), index, name, nameLen != nullptr ? &length : nullptr, nullptr,
                                       nullptr, nullptr, &lastWrite);
  if (status == ERROR_SUCCESS && nameLen != nullptr) *nameLen = length;
  return status;
}

RegStatus Win32Registry::CreateKey(RegKey root, const std::string& subKey, RegKey* result) {
  HKEY created = nullptr;
  const LSTATUS status = RegCreateKeyA(ToHkey(root), subKey.c_str(), &created);
  if (status == ERROR_SUCCESS && result != nullptr) *result = FromHkey(created);
  return status;
}

RegStatus Win32Registry::SetValueEx(RegKey key, const std::string& valueName, std::uint32_t type,
                                    const std::uint8_t* data, std::uint32_t dataLen) {
  return RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type, data, dataLen);
}

RegStatus Win32Registry::CloseKey(RegKey key) { return RegCloseKey(ToHkey(key)); }

}  // namespace tarvio::platform::win32
