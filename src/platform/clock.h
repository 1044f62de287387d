#pragma once
// Local date and time, read at once.

namespace tarvio::platform {

struct LocalTime {
  int weekday;  // 0 Sunday .. 6 Saturday
  int hour;     // 0..23
  int minute;   // 0..59
  int second;   // 0..59
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
};

}  // namespace tarvio::platform
