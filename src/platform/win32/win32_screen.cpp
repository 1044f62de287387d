#include "platform/win32/win32_screen.h"

#include <windows.h>

namespace tarvio::platform::win32 {

ScreenMetrics Win32Screen::Metrics() const {
  ScreenMetrics metrics;
  int dpiX = 96;
  int dpiY = 96;
  if (HDC screen = GetDC(nullptr)) {
    dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  // Whole twips per pixel, as the window toolkit reports them: 15 at 96 dpi, 12 at 120.
  metrics.twipsPerPixelX = dpiX > 0 ? 1440 / dpiX : 15;
  metrics.twipsPerPixelY = dpiY > 0 ? 1440 / dpiY : 15;
  metrics.widthTwips = GetSystemMetrics(SM_CXSCREEN) * metrics.twipsPerPixelX;
  metrics.heightTwips = GetSystemMetrics(SM_CYSCREEN) * metrics.twipsPerPixelY;
  return metrics;
}

}  // namespace tarvio::platform::win32
