#pragma once
// Message boxes and the message-pump yield on the real window system.
#include "platform/toolkit.h"

namespace tarvio::platform::win32 {

class Win32Toolkit final : public Toolkit {
 public:
  Answer MsgBox(WindowHandle owner, std::string_view text, MessageStyle style) override;
  void DoEvents() override;
};

}  // namespace tarvio::platform::win32
