#pragma once
// The primary screen's size and its twips per pixel, from the display's real pixels per inch.
#include "platform/screen.h"

namespace tarvio::platform::win32 {

class Win32Screen final : public Screen {
 public:
  ScreenMetrics Metrics() const override;
};

}  // namespace tarvio::platform::win32
