#include "platform/win32/win32_notify_icon.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/ansi.h"
#include "platform/win32/notify_record.h"

namespace tarvio::platform::win32 {

NOTIFYICONDATAA NotifyRecord(HWND window, UINT iconId, HICON icon, std::string_view ansiTip) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;  // the first form: older shells know no other
  record.hWnd = window;
  record.uID = iconId;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon;
  // The tip is cut before the NUL, so the NUL always falls within the 64 bytes.
  std::memset(record.szTip, ' ', kFirstFormTipBytes);
  const std::size_t kept = std::min(ansiTip.size(), kFirstFormTipBytes - 1);
  std::memcpy(record.szTip, ansiTip.data(), kept);
  record.szTip[kept] = '\0';
  return record;
}

bool Win32NotifyIcon::Notify(NotifyRequest request, WindowHandle window, std::uint32_t iconId, IconHandle icon,
                             std::string_view tip) {
  NOTIFYICONDATAA record =
      NotifyRecord(reinterpret_cast<HWND>(window), iconId, reinterpret_cast<HICON>(icon), ToAnsi(tip));
  const DWORD message = request == NotifyRequest::Add      ? NIM_ADD
                        : request == NotifyRequest::Modify ? NIM_MODIFY
                                                           : NIM_DELETE;
  return Shell_NotifyIconA(message, &record) != FALSE;
}

std::uint32_t Win32NotifyIcon::TaskbarCreatedMessage() { return RegisterWindowMessageA("TaskbarCreated"); }

}  // namespace tarvio::platform::win32
