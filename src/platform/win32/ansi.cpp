#include "platform/win32/ansi.h"

#include <windows.h>

#include "platform/utf8.h"

namespace tarvio::platform::win32 {
namespace {

// Every ANSI code page Windows uses agrees with ASCII, so plain ASCII text (keys, section
// names, most paths and connection names) passes unchanged: the plan rebuild converts
// thousands of texts, and each conversion costs several calls into the system.
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

std::string ToCodePage(std::string_view utf8, unsigned codePage) {
  if (IsAscii(utf8)) return std::string(utf8);
  const std::wstring wide = Wide(Utf16FromUtf8(utf8));
  const int units = static_cast<int>(wide.size());
  // Asked first how many bytes the text takes: two a character in a double-byte code
  // page, up to three a UTF-16 unit where the ANSI code page is UTF-8.
  const int bytes = WideCharToMultiByte(codePage, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0 && WideCharToMultiByte(codePage, 0, wide.data(), units, out.data(), bytes, nullptr, nullptr) == bytes) {
    return out;
  }
  out.clear();
  for (const wchar_t unit : wide) out += unit < 0x100 ? static_cast<char>(unit) : '?';
  return out;
}

std::string FromCodePage(std::string_view text, unsigned codePage) {
  if (IsAscii(text)) return std::string(text);
  const int size = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
  if (units <= 0 || MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), units) != units) {
    wide.clear();
    for (const char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  }
  return Utf8FromUtf16(Utf16(wide));
}

std::string ToAnsi(std::string_view utf8) { return ToCodePage(utf8, CP_ACP); }
std::string FromAnsi(std::string_view ansi) { return FromCodePage(ansi, CP_ACP); }

}  // namespace tarvio::platform::win32
