#include "platform/win32/message_pump.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/form_class.h"

namespace tarvio::platform::win32 {
namespace {

bool IsForm(HWND window) {
  char className[32] = {};
  return window != nullptr && GetClassNameA(window, className, sizeof className) > 0 &&
         std::strcmp(className, kFormClassName) == 0;
}

// Enter presses the focused push button. The dialog keyboard would press only a default
// button, and a form has none; in a real dialog the dialog manager makes the focused
// button the default, which no plain window does.
bool PressFocusedButton(HWND root, const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN) return false;
  HWND focus = GetFocus();
  if (focus == nullptr || !IsChild(root, focus)) return false;
  const LRESULT code = SendMessageA(focus, WM_GETDLGCODE, 0, 0);
  if ((code & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON)) == 0) return false;
  SendMessageA(root, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
  return true;
}

// A plain letter typed on a control that takes no characters, such as a button, would
// press the button with that access key: the dialog keyboard treats it as a mnemonic.
// Access keys work only together with Alt (WM_SYSCHAR), so such letters go to the
// control itself, which ignores them.
bool PlainLetterForControl(const MSG& msg) {
  if (msg.message != WM_CHAR) return false;
  const LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  return (code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE)) == 0;
}

// The top-level window a message's window belongs to (GetAncestor needs Windows 98 and
// NT 4.0 SP4; the parent of each child works on every Windows).
HWND TopLevelOf(HWND window) {
  while (window != nullptr && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) {
    window = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_HWNDPARENT));
  }
  return window;
}

void Dispatch(MSG& msg) {
  HWND root = TopLevelOf(msg.hwnd);
  if (IsForm(root) && !PlainLetterForControl(msg) && (PressFocusedButton(root, msg) || IsDialogMessageA(root, &msg))) {
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
