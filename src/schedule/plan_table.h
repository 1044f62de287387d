#pragma once
// ProviderPlan: for every minute of a workday (0) and a weekend day (1), the index of
// the due connection in ProviderList, or -1 for no change.
#include <array>
#include <cstdint>

namespace tarvio::schedule {

inline constexpr int kDayTypes = 2;
inline constexpr int kWorkday = 0;
inline constexpr int kWeekend = 1;
inline constexpr std::int16_t kNoChange = -1;
inline constexpr int kHours = 24;
inline constexpr int kMinutes = 60;

using PlanTable = std::array<std::array<std::array<std::int16_t, kMinutes>, kHours>, kDayTypes>;

}  // namespace tarvio::schedule
