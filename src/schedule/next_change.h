#pragma once
// What the plan does next: the first minute, from now on, at which it makes another
// connection due than the one in force.
#include <cstdint>
#include <optional>

#include "platform/clock.h"
#include "schedule/plan_table.h"

namespace tarvio::schedule {

inline constexpr int kDaysPerWeek = 7;
inline constexpr int kMinutesPerDay = kHours * kMinutes;

struct PlanChange {
  int weekday;  // 0 Sunday .. 6 Saturday
  int hour;
  int minute;
  int minutesAhead;    // counted from the minute of now, which is 0
  std::int16_t index;  // the connection then due
};

// The plan repeats every week, so a week from now's minute on is searched; none when the
// plan never makes another connection than current due (or now is no valid time).
std::optional<PlanChange> NextChange(const PlanTable& plan, const platform::LocalTime& now, std::int16_t current);

// Whether any minute of the plan names a connection.
bool NamesAnyConnection(const PlanTable& plan);

}  // namespace tarvio::schedule
