#include "dialup/hangup_timer.h"

#include <algorithm>

#include "dialup/aan.h"
#include "dialup/leading_number.h"
#include "dialup/registry_paths.h"
#include "platform/list_control.h"

namespace tarvio::dialup {
namespace {

constexpr int kSecondsPerMinute = 60;
constexpr HangUpSelection kNoTime{-1, kUnitSeconds};

}  // namespace

void FillHangUpLists(platform::ListControl& delay, platform::ListControl& unit) {
  for (int n = 1; n <= kHangUpDelayMax; ++n) delay.AddItem(std::to_string(n));
  delay.SetListIndex(0);
  unit.AddItem("sek");
  unit.AddItem("min");
  unit.SetListIndex(kUnitSeconds);
}

HangUpSelection HangUpSelectionFromText(const std::string& stored) {
  const std::optional<std::int32_t> seconds = RoundToInt32(LeadingNumber(stored));
  // Negative or out-of-range values have no place in the lists: they count as no time.
  if (!seconds || *seconds <= 0) return kNoTime;
  if (*seconds <= kHangUpDelayMax) return {*seconds - 1, kUnitSeconds};
  const std::int32_t minutes = RoundToInt32(static_cast<double>(*seconds) / kSecondsPerMinute).value_or(0);
  return {std::min(minutes, kHangUpDelayMax) - 1, kUnitMinutes};
}

void ReadHangUpTime(Aan& aan, platform::ListControl& delay, platform::ListControl& unit) {
  const HangUpSelection selection =
      HangUpSelectionFromText(aan.RegGetString(platform::kHkeyLocalMachine, kIcsGeneralKey, kHangupTimerValue));
  delay.SetListIndex(selection.delayIndex);
  unit.SetListIndex(selection.unitIndex);
}

void ServeHangUpValues(Aan& aan, const platform::ListControl& delay, const platform::ListControl& unit,
                       std::int16_t listsReady) {
  // Start-up selects in both lists before the lists are ready; those selections store nothing.
  if (listsReady == 0) return;
  std::int64_t seconds = std::int64_t{delay.ListIndex()} + 1;  // 0 when no number is selected
  if (unit.ListIndex() == kUnitMinutes) seconds *= kSecondsPerMinute;
  aan.RegSetValue(platform::kHkeyLocalMachine, kIcsGeneralKey, kHangupTimerValue, std::to_string(seconds),
                  platform::kRegSz);
}

}  // namespace tarvio::dialup
