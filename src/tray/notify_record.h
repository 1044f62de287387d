#pragma once
// Filling the notify record the way every request of the program does.
#include <cstdint>
#include <string_view>

#include "platform/notify_icon.h"

namespace tarvio::tray {

inline constexpr std::uint32_t kNifMessageIconTip = 7;  // NIF_MESSAGE | NIF_ICON | NIF_TIP
inline constexpr std::uint32_t kTrayCallbackMessage = 1024;  // WM_USER
inline constexpr std::size_t kTipLength = 63;  // characters before the NUL of the 64-byte tip

// ansiTip is already in the system's code page; it is cut to 63 bytes, followed by a NUL
// and padded with blanks to the 64th byte.
platform::NotifyIconRecord NotifyRecord(platform::WindowHandle window, std::uint32_t iconId, platform::IconHandle icon,
                                        std::string_view ansiTip);

}  // namespace tarvio::tray
