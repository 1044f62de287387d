#pragma once
// The screen's size and how many twips make one pixel.

namespace tarvio::platform {

struct ScreenMetrics {
  int widthTwips = 0;
  int heightTwips = 0;
  int twipsPerPixelX = 15;
  int twipsPerPixelY = 15;
};

class Screen {
 public:
  virtual ~Screen() = default;
  virtual ScreenMetrics Metrics() const = 0;
};

}  // namespace tarvio::platform
