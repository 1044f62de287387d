#include "platform/win32/win32_toolkit.h"

#include <windows.h>

#include "platform/ansi_codec.h"

namespace tarvio::platform::win32 {

int Win32Toolkit::MsgBox(const std::string& text, int style, const std::string& title) {
  // No owner: the boxes stand on their own, like the program's only other windows.
  return MessageBoxA(nullptr, codec_.ToAnsi(text).c_str(), codec_.ToAnsi(title).c_str(),
                     static_cast<UINT>(style) | MB_SETFOREGROUND);
}

void Win32Toolkit::DoEvents() {
  // Everything pending, timer and input included, then back to the caller. A WM_QUIT
  // seen here is posted again so the main loop still ends.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    const HWND active = GetActiveWindow();
    if (active == nullptr || !IsDialogMessageA(active, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

}  // namespace tarvio::platform::win32
