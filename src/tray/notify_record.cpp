#include "tray/notify_record.h"

#include <algorithm>

namespace tarvio::tray {

platform::NotifyIconRecord NotifyRecord(platform::WindowHandle window, std::uint32_t iconId, platform::IconHandle icon,
                                        std::string_view ansiTip) {
  platform::NotifyIconRecord record;
  record.cbSize = static_cast<std::uint32_t>(sizeof(platform::NotifyIconRecord));
  record.hWnd = window;
  record.uID = iconId;
  record.uFlags = kNifMessageIconTip;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon;
  record.szTip.fill(' ');
  const std::size_t kept = std::min(ansiTip.size(), kTipLength);
  std::copy_n(ansiTip.begin(), kept, record.szTip.begin());
  record.szTip[kept] = '\0';
  return record;
}

}  // namespace tarvio::tray
