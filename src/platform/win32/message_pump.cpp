#include "platform/win32/message_pump.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/form_class.h"

namespace tarvio::platform::win32 {
namespace {

void Dispatch(MSG& msg) {
  HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  char className[32] = {};
  if (root != nullptr && GetClassNameA(root, className, sizeof className) > 0 &&
      std::strcmp(className, kFormClassName) == 0 && IsDialogMessageA(root, &msg)) {
    return;
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return static_cast<int>(msg.wParam);
}

void PumpPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

}  // namespace tarvio::platform::win32
