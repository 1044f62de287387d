#include "platform/win32/win32_toolkit.h"

#include <windows.h>

#include "platform/ansi_codec.h"
#include "platform/win32/message_pump.h"

namespace tarvio::platform::win32 {

int Win32Toolkit::MsgBox(const std::string& text, int style, const std::string& title) {
  // No owner: the boxes stand on their own, like the program's only other windows.
  return MessageBoxA(nullptr, codec_.ToAnsi(text).c_str(), codec_.ToAnsi(title).c_str(),
                     static_cast<UINT>(style) | MB_SETFOREGROUND);
}

void Win32Toolkit::DoEvents() { PumpPendingMessages(); }

}  // namespace tarvio::platform::win32
