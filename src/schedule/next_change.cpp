#include "schedule/next_change.h"

#include <algorithm>

namespace tarvio::schedule {

std::optional<PlanChange> NextChange(const PlanTable& plan, const platform::LocalTime& now, std::int16_t current) {
  if (now.weekday < 0 || now.weekday >= kDaysPerWeek || now.hour < 0 || now.hour >= kHours || now.minute < 0 ||
      now.minute >= kMinutes) {
    return std::nullopt;
  }
  const int start = now.hour * kMinutes + now.minute;
  for (int ahead = 0; ahead < kDaysPerWeek * kMinutesPerDay; ++ahead) {
    const int weekday = (now.weekday + (start + ahead) / kMinutesPerDay) % kDaysPerWeek;
    const int minuteOfDay = (start + ahead) % kMinutesPerDay;
    const int hour = minuteOfDay / kMinutes;
    const int minute = minuteOfDay % kMinutes;
    // A cell carries its entry's connection to the end of the day, and -1 changes nothing.
    const std::int16_t due = PlanCell(plan, DayTypeOf(weekday), hour, minute);
    if (due != kNoChange && due != current) return PlanChange{weekday, hour, minute, ahead, due};
  }
  return std::nullopt;
}

bool NamesAnyConnection(const PlanTable& plan) {
  return std::ranges::any_of(plan, [](const auto& day) {
    return std::ranges::any_of(day, [](const auto& hour) {
      return std::ranges::any_of(hour, [](std::int16_t cell) { return cell != kNoChange; });
    });
  });
}

}  // namespace tarvio::schedule
