#pragma once
// The notification area of the taskbar: one request with the notify record, and the
// message the shell broadcasts when the taskbar is created anew (Explorer restarted).
#include <array>
#include <cstdint>

#include "platform/form.h"

namespace tarvio::platform {

// The record's first form, field by field and with the same alignment, so its size is
// the size the shell expects of that form: 88 bytes in a 32-bit program, 104 in a 64-bit one.
struct NotifyIconRecord {
  std::uint32_t cbSize = 0;
  WindowHandle hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  IconHandle hIcon = 0;
  std::array<char, 64> szTip{};  // ANSI text
};

class NotifyIcon {
 public:
  virtual ~NotifyIcon() = default;
  // Shell_NotifyIcon; the result is of no use to the program and is not returned.
  virtual void ShellNotifyIcon(std::uint32_t request, const NotifyIconRecord& record) = 0;
  // The number of the registered message "TaskbarCreated"; 0 when it cannot be had.
  virtual std::uint32_t TaskbarCreatedMessage() = 0;
};

}  // namespace tarvio::platform
