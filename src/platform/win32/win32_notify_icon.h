#pragma once
// Shell_NotifyIconA with the record's first form.
#include "platform/notify_icon.h"

namespace tarvio::platform::win32 {

class Win32NotifyIcon final : public NotifyIcon {
 public:
  bool Notify(NotifyRequest request, WindowHandle window, std::uint32_t iconId, IconHandle icon,
              std::string_view tip) override;
  std::uint32_t TaskbarCreatedMessage() override;
};

}  // namespace tarvio::platform::win32
