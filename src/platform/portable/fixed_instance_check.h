#pragma once
// An instance check that answers as the test says.
#include "platform/instance_check.h"

namespace tarvio::platform::portable {

class FixedInstanceCheck final : public InstanceCheck {
 public:
  bool AnotherInstanceRunning() override {
    ++asked;
    return anotherRunning;
  }
  bool anotherRunning = false;
  int asked = 0;
};

}  // namespace tarvio::platform::portable
