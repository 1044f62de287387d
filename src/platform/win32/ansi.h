#pragma once
// Text is UTF-8 inside the program and the system's ANSI code page (CP_ACP) for the "A"
// functions: the one place that converts between the two. Characters the code page
// lacks become '?', as the "A" functions would see them.
#include <string>
#include <string_view>

namespace tarvio::platform::win32 {

std::string ToAnsi(std::string_view utf8);
std::string FromAnsi(std::string_view ansi);

}  // namespace tarvio::platform::win32
