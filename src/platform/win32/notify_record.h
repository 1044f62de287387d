#pragma once
// The notify record of every request: NOTIFYICONDATAA in its first form, 88 bytes in a
// 32-bit program, 104 in a 64-bit one, which every shell from Windows 95 on accepts.
#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <string_view>

namespace tarvio::platform::win32 {

// The first form ends with its 64-byte tip; the later forms' longer tip starts the same.
inline constexpr std::size_t kFirstFormTipBytes = 64;
static_assert(offsetof(NOTIFYICONDATAA, szTip) + kFirstFormTipBytes == NOTIFYICONDATAA_V1_SIZE);

// Message, icon and tip for every request; ansiTip is cut to 63 bytes, then a NUL, then
// blanks up to the 64th byte.
NOTIFYICONDATAA NotifyRecord(HWND window, UINT iconId, HICON icon, std::string_view ansiTip);

}  // namespace tarvio::platform::win32
