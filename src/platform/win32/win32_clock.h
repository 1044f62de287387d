#pragma once
// The system's local date and time.
#include "platform/clock.h"

namespace tarvio::platform::win32 {

class Win32Clock final : public Clock {
 public:
  LocalTime Now() override;
};

}  // namespace tarvio::platform::win32
