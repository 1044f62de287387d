#include "platform/win32/win32_screen.h"

#include <windows.h>

#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {

ScreenDpi QueryScreenDpi() {
  ScreenDpi dpi;
  const ScopedScreenDC screen;
  if (screen.Get() != nullptr) {
    dpi.x = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    dpi.y = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  }
  return dpi;
}

ScreenMetrics Win32Screen::Metrics() const {
  const ScreenDpi dpi = QueryScreenDpi();
  return MetricsOfScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), dpi.x, dpi.y);
}

}  // namespace tarvio::platform::win32
