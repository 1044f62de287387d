#pragma once
// The notification area of the taskbar, and the message the shell broadcasts when the
// taskbar is created anew (Explorer restarted).
#include <cstdint>
#include <string_view>

#include "platform/form.h"

namespace tarvio::platform {

// The message the shell sends to the icon's window; lParam is the mouse message.
inline constexpr std::uint32_t kTrayCallbackMessage = 1024;  // WM_USER

enum class NotifyRequest { Add, Modify, Delete };

class NotifyIcon {
 public:
  virtual ~NotifyIcon() = default;
  // Shell_NotifyIcon with message, icon and tip for every request. A tip longer than the
  // shell takes (63 bytes in the ANSI code page before Windows 2000 and ME, 127 from
  // then on) is cut at a whole character and ends in "...". False when the shell refused
  // or did not answer in time (a busy Explorer at logon drops an add).
  virtual bool Notify(NotifyRequest request, WindowHandle window, std::uint32_t iconId, IconHandle icon,
                      std::string_view tip) = 0;
  // The number of the registered message "TaskbarCreated"; 0 when it cannot be had.
  virtual std::uint32_t TaskbarCreatedMessage() = 0;
};

}  // namespace tarvio::platform
