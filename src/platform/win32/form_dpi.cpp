#include "platform/win32/form_dpi.h"

#include "platform/win32/system_files.h"
#include "platform/win32/win32_screen.h"

namespace tarvio::platform::win32 {
namespace {

// user32 is loaded with the program: asked by name, it is found loaded, never looked for.
FARPROC User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 != nullptr ? GetProcAddress(user32, name) : nullptr;
}

}  // namespace

int WindowDpi(HWND window, int otherwise) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpi = AsFunction<GetDpiForWindowFunction>(User32Function("GetDpiForWindow"));
  const UINT dpi = getDpi != nullptr ? getDpi(window) : 0;
  return dpi != 0 ? static_cast<int>(dpi) : otherwise;
}

int SystemMetricForDpi(int index, int dpi) {
  using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
  static const auto forDpi = AsFunction<GetSystemMetricsForDpiFunction>(User32Function("GetSystemMetricsForDpi"));
  if (forDpi != nullptr) return forDpi(index, static_cast<UINT>(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, QueryScreenDpi().y);
}

}  // namespace tarvio::platform::win32
