#pragma once
// The product name: the main window's caption, the icon's tip, the title of every
// message box and part of several texts.

namespace tarvio::platform {

inline constexpr const char* kProductName = "Tarvio";

}  // namespace tarvio::platform
