#pragma once
// The screen's size and how many twips make one pixel.

namespace tarvio::platform {

struct ScreenMetrics {
  double widthTwips;
  double heightTwips;
  double twipsPerPixelX;
  double twipsPerPixelY;
};

class Screen {
 public:
  virtual ~Screen() = default;
  virtual ScreenMetrics Metrics() const = 0;
};

// Twips to pixels at the given pixels per inch, rounded to the nearest pixel (halves
// away from zero), the one rounding every window and control position uses.
constexpr int TwipsToPixels(int twips, int pixelsPerInch) {
  const long long scaled = static_cast<long long>(twips) * pixelsPerInch;
  return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

constexpr int PixelsToTwips(int pixels, int pixelsPerInch) {
  return pixelsPerInch > 0 ? static_cast<int>(static_cast<long long>(pixels) * 1440 / pixelsPerInch) : 0;
}

// A screen of the given pixels, measured in the same twips as the windows on it: the
// exact 1440 / dpi per pixel, not a whole number of twips, which at 168 or 192 dpi would
// put every centred window off the middle.
constexpr ScreenMetrics MetricsOfScreen(int widthPixels, int heightPixels, int dpiX, int dpiY) {
  if (dpiX <= 0 || dpiY <= 0) return {};
  const double perPixelX = 1440.0 / dpiX;
  const double perPixelY = 1440.0 / dpiY;
  return ScreenMetrics{widthPixels * perPixelX, heightPixels * perPixelY, perPixelX, perPixelY};
}

}  // namespace tarvio::platform
