#pragma once
// Message boxes and the message-pump yield on the real window system.
#include <cstdint>

#include "platform/toolkit.h"

namespace tarvio::platform {
class AnsiCodec;
}

namespace tarvio::platform::win32 {

class Win32Toolkit final : public Toolkit {
 public:
  explicit Win32Toolkit(const AnsiCodec& codec) : codec_(codec) {}
  int MsgBox(WindowHandle owner, const std::string& text, int style, const std::string& title) override;
  void DoEvents() override;

 private:
  const AnsiCodec& codec_;
};

}  // namespace tarvio::platform::win32
