#pragma once
// The notify record of every request: NOTIFYICONDATAA in the form the shell knows. Every
// shell from Windows 95 on takes the first form (88 bytes in a 32-bit program, 104 in a
// 64-bit one) with its 64-byte tip; shell32 5.0 (Windows 2000 and ME) and later also take
// the second form (488 or 504 bytes) with a 128-byte tip.
#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvio::platform::win32 {

// The later forms' longer tip starts where the first form's does.
inline constexpr std::size_t kFirstFormTipBytes = 64;
inline constexpr std::size_t kSecondFormTipBytes = 128;
static_assert(offsetof(NOTIFYICONDATAA, szTip) + kFirstFormTipBytes == NOTIFYICONDATAA_V1_SIZE);
static_assert(sizeof(NOTIFYICONDATAA::szTip) == kSecondFormTipBytes);

// Message, icon and tip for every request, in the form whose tip has tipBytes (64 or
// 128); ansiTip is cut to tipBytes - 1 bytes, then a NUL, then blanks to the tip's end.
NOTIFYICONDATAA NotifyRecord(HWND window, UINT iconId, HICON icon, std::string_view ansiTip, std::size_t tipBytes);

// The tip in the code page, at most tipBytes - 1 bytes: a longer one keeps the whole
// characters that fit before "...", so that no double-byte character (nor, where the
// code page is UTF-8, a sequence) loses its end.
std::string TipInCodePage(std::string_view utf8, std::size_t tipBytes, unsigned codePage);

}  // namespace tarvio::platform::win32
