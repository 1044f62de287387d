#include "platform/win32/win32_notify_icon.h"

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace tarvio::platform::win32 {

// The program's record must be the first form of NOTIFYICONDATAA, byte for byte.
static_assert(sizeof(NotifyIconRecord) == NOTIFYICONDATAA_V1_SIZE);
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);
static_assert(sizeof(void*) != 8 || NOTIFYICONDATAA_V1_SIZE == 104);
static_assert(offsetof(NotifyIconRecord, hIcon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(NotifyIconRecord, szTip) == offsetof(NOTIFYICONDATAA, szTip));

void Win32NotifyIcon::ShellNotifyIcon(std::uint32_t request, const NotifyIconRecord& record) {
  NOTIFYICONDATAA data{};
  data.cbSize = record.cbSize;  // the first form: older shells know no other
  data.hWnd = reinterpret_cast<HWND>(record.hWnd);
  data.uID = record.uID;
  data.uFlags = record.uFlags;
  data.uCallbackMessage = record.uCallbackMessage;
  data.hIcon = reinterpret_cast<HICON>(record.hIcon);
  std::memcpy(data.szTip, record.szTip.data(), record.szTip.size());
  Shell_NotifyIconA(request, &data);
}

std::uint32_t Win32NotifyIcon::TaskbarCreatedMessage() { return RegisterWindowMessageA("TaskbarCreated"); }

}  // namespace tarvio::platform::win32
