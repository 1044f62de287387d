#include "platform/win32/win32_window_hook.h"

#include <windows.h>

namespace tarvio::platform::win32 {
namespace {

WindowMessageSink* g_sink = nullptr;

LRESULT CALLBACK SinkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_sink == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return g_sink->WindowMessage(reinterpret_cast<WindowHandle>(window), message, wParam, lParam);
}

}  // namespace

WindowProcedure Win32WindowHook::SinkProcedure(WindowMessageSink& sink) {
  g_sink = &sink;
  return reinterpret_cast<WindowProcedure>(&SinkWindowProc);
}

WindowProcedure Win32WindowHook::SetWindowProcedure(WindowHandle window, WindowProcedure procedure) {
  const HWND hwnd = reinterpret_cast<HWND>(window);
#ifdef _WIN64
  const LONG_PTR previous = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, static_cast<LONG_PTR>(procedure));
  return static_cast<WindowProcedure>(previous);
#else
  // 32-bit: the slot is a LONG, exactly the width of a procedure address.
  const LONG previous = SetWindowLongA(hwnd, GWL_WNDPROC, static_cast<LONG>(procedure));
  return static_cast<WindowProcedure>(static_cast<ULONG>(previous));
#endif
}

std::intptr_t Win32WindowHook::CallWindowProcedure(WindowProcedure procedure, WindowHandle window,
                                                   std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  const HWND hwnd = reinterpret_cast<HWND>(window);
  // Without a saved procedure (the hook failed) the window still needs default handling.
  if (procedure == 0) return DefWindowProcA(hwnd, message, wParam, lParam);
  return CallWindowProcA(reinterpret_cast<WNDPROC>(procedure), hwnd, message, wParam, lParam);
}

}  // namespace tarvio::platform::win32
