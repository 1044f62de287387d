#include "platform/win32/ansi.h"

#include <windows.h>

#include "platform/utf8.h"

namespace tarvio::platform::win32 {
namespace {

// Every ANSI code page Windows uses agrees with ASCII, so plain ASCII text (keys, section
// names, most paths and connection names) passes unchanged: the plan rebuild converts
// thousands of texts, and each conversion costs two calls into the system.
bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

std::wstring Wide(std::u16string_view utf16) { return std::wstring(utf16.begin(), utf16.end()); }

std::u16string Utf16(std::wstring_view wide) {
  std::u16string out;
  for (const wchar_t unit : wide) out += static_cast<char16_t>(unit);
  return out;
}

}  // namespace

std::string ToAnsi(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  const std::wstring wide = Wide(Utf16FromUtf8(utf8));
  const int units = static_cast<int>(wide.size());
  std::string out(static_cast<std::size_t>(units) * 2, '\0');  // a DBCS character takes two bytes
  const int bytes =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), units, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  if (bytes > 0) {
    out.resize(static_cast<std::size_t>(bytes));
    return out;
  }
  out.clear();
  for (const wchar_t unit : wide) out += unit < 0x100 ? static_cast<char>(unit) : '?';
  return out;
}

std::string FromAnsi(std::string_view ansi) {
  if (IsAscii(ansi)) return std::string(ansi);
  const int size = static_cast<int>(ansi.size());
  std::wstring wide(ansi.size(), L'\0');  // never more characters than bytes
  const int units = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), size);
  if (units > 0) {
    wide.resize(static_cast<std::size_t>(units));
  } else {
    wide.clear();
    for (const char c : ansi) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  }
  return Utf8FromUtf16(Utf16(wide));
}

}  // namespace tarvio::platform::win32
