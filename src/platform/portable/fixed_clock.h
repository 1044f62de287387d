#pragma once
// A clock that shows whatever time the test sets.
#include "platform/clock.h"

namespace tarvio::platform::portable {

class FixedClock final : public Clock {
 public:
  LocalTime Now() override {
    ++readings;
    return now;
  }
  LocalTime now;
  int readings = 0;
};

}  // namespace tarvio::platform::portable
