#pragma once
// The primary screen's size and its twips per pixel, from the display's real pixels per inch.
#include "platform/screen.h"

namespace tarvio::platform::win32 {

struct ScreenDpi {
  int x = 96;
  int y = 96;
};
// The screen's pixels per inch; 96 when the display cannot say.
ScreenDpi QueryScreenDpi();

class Win32Screen final : public Screen {
 public:
  ScreenMetrics Metrics() const override;
};

}  // namespace tarvio::platform::win32
