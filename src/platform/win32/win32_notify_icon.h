#pragma once
// Shell_NotifyIconA with the record's form that the shell knows.
#include <cstddef>

#include "platform/notify_icon.h"

namespace tarvio::platform::win32 {

class Win32NotifyIcon final : public NotifyIcon {
 public:
  bool Notify(NotifyRequest request, WindowHandle window, std::uint32_t iconId, IconHandle icon,
              std::string_view tip) override;
  std::uint32_t TaskbarCreatedMessage() override;
  // The bytes of the tip in the record's form this shell takes, 64 or 128, asked of
  // shell32 at the first request.
  std::size_t TipBytes();

 private:
  std::size_t tipBytes_ = 0;
};

}  // namespace tarvio::platform::win32
