#include "platform/win32/form_class.h"

#include <windows.h>

#include "platform/win32/form_window.h"

namespace tarvio::platform::win32 {
namespace {

LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    // The form reaches its object through the window's user data, set before any other message.
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    auto* form = static_cast<Win32Form*>(create->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    if (form != nullptr) form->Attach(reinterpret_cast<std::uintptr_t>(window));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (form != nullptr) {
    bool handled = false;
    const std::intptr_t result = form->HandleMessage(message, wParam, lParam, handled);
    if (handled) return result;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void RegisterFormClass() {
  static const bool registered = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = FormWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClassName;
    return RegisterClassExA(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace tarvio::platform::win32
