#include "platform/win32/ansi.h"

#include <windows.h>

namespace tarvio::platform::win32 {
namespace {

std::string Convert(std::string_view text, UINT from, UINT to) {
  const int size = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(from, 0, text.data(), size, nullptr, 0);
  std::wstring utf16(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(from, 0, text.data(), size, utf16.data(), wide);
  const int narrow = WideCharToMultiByte(to, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(narrow), '\0');
  WideCharToMultiByte(to, 0, utf16.data(), wide, out.data(), narrow, nullptr, nullptr);
  return out;
}

// Every ANSI code page Windows uses agrees with ASCII, so plain ASCII text (keys, section
// names, most paths and connection names) passes unchanged: the plan rebuild converts
// thousands of texts, and each conversion costs four calls into the system.
bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string ToAnsi(std::string_view utf8) { return IsAscii(utf8) ? std::string(utf8) : Convert(utf8, CP_UTF8, CP_ACP); }

std::string FromAnsi(std::string_view ansi) {
  return IsAscii(ansi) ? std::string(ansi) : Convert(ansi, CP_ACP, CP_UTF8);
}

}  // namespace tarvio::platform::win32
