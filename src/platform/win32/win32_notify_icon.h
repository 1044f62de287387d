#pragma once
// Shell_NotifyIconA with the record's first form.
#include "platform/notify_icon.h"

namespace tarvio::platform::win32 {

class Win32NotifyIcon final : public NotifyIcon {
 public:
  void ShellNotifyIcon(std::uint32_t request, const NotifyIconRecord& record) override;
  std::uint32_t TaskbarCreatedMessage() override;
};

}  // namespace tarvio::platform::win32
