#include "platform/win32/win32_toolkit.h"

#include <windows.h>

#include "platform/ansi_codec.h"
#include "platform/win32/message_pump.h"

namespace tarvio::platform::win32 {

int Win32Toolkit::MsgBox(WindowHandle owner, const std::string& text, int style, const std::string& title) {
  // Owned, the box holds the owner (hidden or not) until it is answered, and Windows
  // gives the focus back to the control that had it.
  return MessageBoxA(reinterpret_cast<HWND>(owner), codec_.ToAnsi(text).c_str(), codec_.ToAnsi(title).c_str(),
                     static_cast<UINT>(style) | MB_SETFOREGROUND);
}

void Win32Toolkit::DoEvents() { PumpPendingMessages(); }

}  // namespace tarvio::platform::win32
