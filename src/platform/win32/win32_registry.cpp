#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/win32/ansi.h"
#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {
namespace {

// Windows limits key names to 255 characters, up to three bytes each in the ANSI form
// (UTF-8 as the ANSI code page); a larger figure from the registry can only be wrong and
// must not size a buffer.
constexpr DWORD kMaxKeyNameCharacters = 255;
constexpr DWORD kMaxKeyNameBytes = 3 * kMaxKeyNameCharacters + 1;
// More subkeys than any dial-up setup could hold; guards against an absurd count.
constexpr DWORD kMaxSubKeys = 65536;
// Values larger than this are read as missing rather than allocated.
constexpr DWORD kMaxValueBytes = 16u * 1024u * 1024u;
// Reads of a value that keeps growing under them; then it reads as missing.
constexpr int kReadAttempts = 4;

HKEY Root(RegistryRoot root) { return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

}  // namespace

std::optional<std::string> Win32Registry::GetString(RegistryRoot root, std::string_view keyPath,
                                                    std::string_view valueName) {
  ScopedKey key;
  if (RegOpenKeyExA(Root(root), ToAnsi(keyPath).c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const std::string name = ToAnsi(valueName);
  // The size first, then the data. Another program may store a longer value in between:
  // the read then asks for more room, and the size is asked for again.
  std::string data;
  DWORD type = REG_NONE;
  for (int attempt = 0;; ++attempt) {
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size > kMaxValueBytes) {
      return std::nullopt;
    }
    data.assign(size, '\0');
    const LONG status =
        RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_SUCCESS && size <= data.size()) {
      data.resize(size);
      break;
    }
    if (status != ERROR_MORE_DATA || attempt == kReadAttempts - 1) return std::nullopt;
  }
  if (IsStringType(type)) {
    // Another program may have stored the text without its terminating zero (the function
    // then hands it back as it is), or with more than one: only zero bytes at the end go.
    data.erase(data.find_last_not_of('\0') + 1);
    return FromAnsi(data);
  }
  // The idle time stored as a number by another program is that number.
  if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
    DWORD number = 0;
    std::memcpy(&number, data.data(), sizeof number);
    return std::to_string(number);
  }
  return std::nullopt;
}

bool Win32Registry::SetString(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                              std::string_view text) {
  const std::string data = ToAnsi(text);
  ScopedKey key;
  // Opens the key or creates it, with every missing key above it. Where the user may read
  // the key but not write it, the open succeeds and the write is the call that refuses.
  if (RegCreateKeyA(Root(root), ToAnsi(keyPath).c_str(), key.Receive()) != ERROR_SUCCESS) return false;
  // The terminating zero byte is stored with the text.
  return RegSetValueExA(key.Get(), ToAnsi(valueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

std::vector<std::string> Win32Registry::SubKeyNames(RegistryRoot root, std::string_view keyPath) {
  ScopedKey key;
  DWORD count = 0;
  DWORD longest = 0;
  if (RegOpenKeyExA(Root(root), ToAnsi(keyPath).c_str(), 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS ||
      RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr) != ERROR_SUCCESS) {
    return {};
  }
  longest = std::min(longest, kMaxKeyNameCharacters);
  std::vector<std::string> names;
  for (DWORD i = 0; i < std::min(count, kMaxSubKeys); ++i) {
    // NT counts the longest name in characters, and a character of a double-byte code page
    // takes up to two bytes: sized for that, the usual name fits at once. Where the ANSI
    // code page is UTF-8 a character takes up to three, and the buffer grows.
    for (DWORD size = 2 * longest + 1;; size = std::min(2 * size, kMaxKeyNameBytes)) {
      std::string buffer(size, ' ');
      DWORD length = size;
      const LONG status = RegEnumKeyExA(key.Get(), i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
      if (status == ERROR_SUCCESS && length < size) {
        buffer.resize(length);
        names.push_back(FromAnsi(buffer));
        break;
      }
      if (status != ERROR_MORE_DATA || size == kMaxKeyNameBytes) {
        // A subkey that cannot be read (removed meanwhile) shows as blanks.
        names.emplace_back(std::size_t{longest} + 1, ' ');
        break;
      }
    }
  }
  return names;
}

}  // namespace tarvio::platform::win32
