#pragma once
// A screen of whatever size the test sets; 1024 x 768 pixels at 96 dpi unless told.
#include "platform/screen.h"

namespace tarvio::platform::portable {

class HeadlessScreen final : public Screen {
 public:
  ScreenMetrics Metrics() const override { return metrics; }
  ScreenMetrics metrics{1024 * 15, 768 * 15, 15, 15};
};

}  // namespace tarvio::platform::portable
