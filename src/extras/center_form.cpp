#include "extras/center_form.h"

#include "platform/form.h"
#include "platform/numbers.h"

namespace tarvio::extras {

int CenterOffset(double screenTwips, double formTwips) {
  // A difference beyond 32 bits cannot come from a real screen; such a form goes to the corner.
  return platform::RoundToInt32(screenTwips - formTwips).value_or(0) / 2;
}

void CenterForm(platform::Form& form, const platform::ScreenMetrics& screen) {
  const int left = CenterOffset(screen.widthTwips, form.Width());
  const int top = CenterOffset(screen.heightTwips, form.Height());
  form.Move(left, top);
}

bool IsSmallScreen(const platform::ScreenMetrics& screen) {
  if (screen.twipsPerPixelX <= 0 || screen.twipsPerPixelY <= 0) return true;
  const auto height = static_cast<float>(screen.heightTwips / screen.twipsPerPixelY);
  const auto width = static_cast<float>(screen.widthTwips / screen.twipsPerPixelX);
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
