#pragma once
// Text is UTF-8 inside the program and the system's ANSI code page (CP_ACP) for the "A"
// functions: the one place that converts between the two, through UTF-16 with the
// code-page calls every Windows has (Windows 95 knows no CP_UTF8). Characters the code
// page lacks become its nearest letter or '?', as the "A" functions would see them.
// Nothing turns into an empty text: should the system refuse a conversion, bytes and
// characters up to 0xFF stand for each other (Latin-1), so a name still converts back
// to its own bytes.
#include <string>
#include <string_view>

namespace tarvio::platform::win32 {

std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);

// The same for a given code page: the ANSI code page may be any of them, double-byte
// ones and, from Windows 10 on, UTF-8 (65001) too.
std::string ToCodePage(std::string_view utf8, unsigned codePage);
std::string FromCodePage(std::string_view text, unsigned codePage);

}  // namespace tarvio::platform::win32
