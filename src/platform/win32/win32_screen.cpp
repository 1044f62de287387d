#include "platform/win32/win32_screen.h"

#include <windows.h>

namespace tarvio::platform::win32 {

ScreenDpi QueryScreenDpi() {
  ScreenDpi dpi;
  if (HDC screen = GetDC(nullptr)) {
    dpi.x = GetDeviceCaps(screen, LOGPIXELSX);
    dpi.y = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  return dpi;
}

ScreenMetrics Win32Screen::Metrics() const {
  const ScreenDpi dpi = QueryScreenDpi();
  return MetricsOfScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), dpi.x, dpi.y);
}

}  // namespace tarvio::platform::win32
