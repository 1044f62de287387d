#include "dialup/hangup_timer.h"

#include <algorithm>
#include <cstdint>

#include "dialup/registry_paths.h"
#include "platform/list_control.h"
#include "platform/numbers.h"
#include "platform/registry.h"

namespace tarvio::dialup {
namespace {

constexpr int kSecondsPerMinute = 60;

}  // namespace

void FillHangUpLists(platform::ListControl& delay, platform::ListControl& unit) {
  for (int n = 1; n <= kHangUpDelayMax; ++n) delay.AddItem(std::to_string(n));
  delay.SetListIndex(0);
  unit.AddItem("sek");
  unit.AddItem("min");
  unit.SetListIndex(kUnitSeconds);
}

HangUpSelection HangUpSelectionFromText(const std::optional<std::string>& stored) {
  const std::optional<std::int32_t> seconds = platform::RoundToInt32(platform::LeadingNumber(stored.value_or("")));
  // Negative or out-of-range values have no place in the lists: they count as no time.
  if (!seconds || *seconds <= 0) return {-1, kUnitSeconds};
  if (*seconds <= kHangUpDelayMax) return {*seconds - 1, kUnitSeconds};
  const std::int32_t minutes = *platform::RoundToInt32(static_cast<double>(*seconds) / kSecondsPerMinute);
  return {std::min(minutes, kHangUpDelayMax) - 1, kUnitMinutes};
}

void ReadHangUpTime(platform::Registry& registry, platform::ListControl& delay, platform::ListControl& unit) {
  const HangUpSelection selection =
      HangUpSelectionFromText(registry.GetString(kMachine, kIcsGeneralKey, kHangupTimerValue));
  delay.SetListIndex(selection.delayIndex);
  unit.SetListIndex(selection.unitIndex);
}

bool ServeHangUpValues(platform::Registry& registry, const platform::ListControl& delay,
                       const platform::ListControl& unit, bool listsReady) {
  // Start-up selects in both lists before the lists are ready; those selections store nothing.
  if (!listsReady) return true;
  int seconds = delay.ListIndex() + 1;  // 0 when no number is selected
  if (unit.ListIndex() == kUnitMinutes) seconds *= kSecondsPerMinute;
  return registry.SetString(kMachine, kIcsGeneralKey, kHangupTimerValue, std::to_string(seconds));
}

}  // namespace tarvio::dialup
