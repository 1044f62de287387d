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

namespace tarvio::platform {

// Twips to pixels at the given pixels per inch, rounded to the nearest pixel (halves
// away from zero), the one rounding every window and control position uses.
constexpr int TwipsToPixels(int twips, int pixelsPerInch) {
  const long long scaled = static_cast<long long>(twips) * pixelsPerInch;
  return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

constexpr int PixelsToTwips(int pixels, int pixelsPerInch) {
  return pixelsPerInch > 0 ? static_cast<int>(static_cast<long long>(pixels) * 1440 / pixelsPerInch) : 0;
}

}  // namespace tarvio::platform
