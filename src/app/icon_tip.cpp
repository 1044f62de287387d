#include "app/icon_tip.h"

#include <optional>

#include "platform/list_control.h"
#include "platform/product.h"
#include "schedule/ini_reader.h"
#include "schedule/next_change.h"

namespace tarvio::app {
namespace {

constexpr const char* kWeekdayNames[schedule::kDaysPerWeek] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};

}  // namespace

std::string IconTip(const platform::ListControl& providerList, const schedule::PlanTable& plan,
                    const platform::LocalTime& now) {
  const int current = providerList.ListIndex();
  if (current < 0 || !schedule::NamesAnyConnection(plan)) return platform::kProductName;
  std::string tip = std::string(platform::kProductName) + ": " + providerList.List(current);
  const std::optional<schedule::PlanChange> next = schedule::NextChange(plan, now, static_cast<std::int16_t>(current));
  if (!next) return tip;
  tip += ", ab ";
  // "ab 08:00" a day or more ahead would read as the coming 08:00.
  if (next->minutesAhead >= schedule::kMinutesPerDay) tip += std::string(kWeekdayNames[next->weekday]) + " ";
  return tip + schedule::TimeKey(next->hour, next->minute) + " " + providerList.List(next->index);
}

}  // namespace tarvio::app
