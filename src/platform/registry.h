#pragma once
// The registry primitives the program uses, with their Win32 meanings.
// All text here is 8-bit ANSI text; lengths are byte counts of that form.
#include <cstdint>
#include <string>

namespace tarvio::platform {

using RegKey = std::uintptr_t;  // an open key or a predefined root; 0 is the null handle
using RegStatus = long;         // ERROR_SUCCESS (0) or a Win32 error code

inline constexpr RegKey kHkeyCurrentUser = 0x80000001u;
inline constexpr RegKey kHkeyLocalMachine = 0x80000002u;

inline constexpr RegStatus kRegSuccess = 0;
inline constexpr RegStatus kRegFileNotFound = 2;
inline constexpr RegStatus kRegAccessDenied = 5;
inline constexpr RegStatus kRegInvalidHandle = 6;
inline constexpr RegStatus kRegInvalidParameter = 87;
inline constexpr RegStatus kRegMoreData = 234;
inline constexpr RegStatus kRegNoMoreItems = 259;

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

// What RegQueryInfoKeyA reports (without the class name and security data).
struct RegKeyInfo {
  std::uint32_t subKeys = 0;
  std::uint32_t maxSubKeyLen = 0;  // characters, without the terminating zero
  std::uint32_t values = 0;
  std::uint32_t maxValueNameLen = 0;
  std::uint32_t maxValueLen = 0;  // bytes of the longest value data
};

class Registry {
 public:
  virtual ~Registry() = default;

  // RegOpenKeyExA: *result stays untouched on failure.
  virtual RegStatus OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options,
                              std::uint32_t access, RegKey* result) = 0;
  // RegQueryInfoKeyA without class name: fields stay untouched on failure.
  virtual RegStatus QueryInfoKey(RegKey key, RegKeyInfo* info) = 0;
  // RegQueryValueExA: data may be null to ask for the size; *dataLen is in and out.
  virtual RegStatus QueryValueEx(RegKey key, const std::string& valueName, std::uint32_t* type,
                                 std::uint8_t* data, std::uint32_t* dataLen) = 0;
  // RegEnumKeyExA without class name: *nameLen is the buffer size in, the characters stored out.
  virtual RegStatus EnumKeyEx(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameLen) = 0;
  // RegCreateKeyA: opens the key or creates it with every missing key above it.
  virtual RegStatus CreateKey(RegKey root, const std::string& subKey, RegKey* result) = 0;
  // RegSetValueExA.
  virtual RegStatus SetValueEx(RegKey key, const std::string& valueName, std::uint32_t type,
                               const std::uint8_t* data, std::uint32_t dataLen) = 0;
  // RegCloseKey.
  virtual RegStatus CloseKey(RegKey key) = 0;
};

}  // namespace tarvio::platform
