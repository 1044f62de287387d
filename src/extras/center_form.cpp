#include "extras/center_form.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/form.h"

namespace tarvio::extras {
namespace {

// A whole number the way the toolkit converts: nearest, exact halves to the even one.
// Values outside the 32-bit range stop at its ends instead of failing.
std::int32_t ToLong(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  const double rounded = std::nearbyint(value);
  if (rounded <= kMin) return std::numeric_limits<std::int32_t>::min();
  if (rounded >= kMax) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(rounded);
}

}  // namespace

int CenterOffset(double screenTwips, double formTwips) { return ToLong(screenTwips - formTwips) / 2; }

void CenterForm(platform::Form& form, const platform::ScreenMetrics& screen) {
  const int left = CenterOffset(screen.widthTwips, form.Width());
  const int top = CenterOffset(screen.heightTwips, form.Height());
  form.Move(left, top);
}

bool IsSmallScreen(const platform::ScreenMetrics& screen) {
  if (screen.twipsPerPixelX <= 0 || screen.twipsPerPixelY <= 0) return true;
  const float height = static_cast<float>(static_cast<double>(screen.heightTwips) / screen.twipsPerPixelY);
  const float width = static_cast<float>(static_cast<double>(screen.widthTwips) / screen.twipsPerPixelX);
  return height <= 480.0F || width <= 640.0F;
}

void PlaceDialog(platform::Form& form, const platform::ScreenMetrics& screen) {
  if (IsSmallScreen(screen)) {
    form.Move(0, 0);
  } else {
    CenterForm(form, screen);
  }
}

}  // namespace tarvio::extras
