#include "platform/win32/win32_codec.h"

#include <windows.h>

namespace tarvio::platform::win32 {
namespace {

std::wstring Widen(std::string_view text, UINT codePage) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, out.data(), wide);
  return out;
}

std::string Narrow(const std::wstring& text, UINT codePage) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int narrow = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(narrow), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, out.data(), narrow, nullptr, nullptr);
  return out;
}

// Every ANSI code page Windows uses agrees with ASCII, so plain ASCII text (keys, section
// names, most paths and connection names) passes unchanged: the plan rebuild converts
// thousands of texts, and each conversion costs two calls into the system.
bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string Win32Codec::ToAnsi(std::string_view utf8) const {
  return IsAscii(utf8) ? std::string(utf8) : Narrow(Widen(utf8, CP_UTF8), CP_ACP);
}

std::string Win32Codec::FromAnsi(std::string_view ansi) const {
  return IsAscii(ansi) ? std::string(ansi) : Narrow(Widen(ansi, CP_ACP), CP_UTF8);
}

}  // namespace tarvio::platform::win32
