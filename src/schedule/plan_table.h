#pragma once
// ProviderPlan: for every minute of a workday (0) and a weekend day (1), the index of
// the due connection in ProviderList, or -1 for no change.
#include <array>
#include <cstddef>
#include <cstdint>

namespace tarvio::schedule {

inline constexpr int kDayTypes = 2;
inline constexpr int kWorkday = 0;
inline constexpr int kWeekend = 1;
inline constexpr std::int16_t kNoChange = -1;
inline constexpr int kHours = 24;
inline constexpr int kMinutes = 60;
inline constexpr int kSunday = 0;
inline constexpr int kSaturday = 6;

// The day type of a weekday (0 Sunday .. 6 Saturday).
inline constexpr int DayTypeOf(int weekday) { return weekday == kSaturday || weekday == kSunday ? kWeekend : kWorkday; }

using PlanTable = std::array<std::array<std::array<std::int16_t, kMinutes>, kHours>, kDayTypes>;

// The cell of one minute (day type, hour and minute within their ranges).
inline std::int16_t PlanCell(const PlanTable& plan, int dayType, int hour, int minute) {
  return plan[static_cast<std::size_t>(dayType)][static_cast<std::size_t>(hour)][static_cast<std::size_t>(minute)];
}

}  // namespace tarvio::schedule
