#pragma once
// The idle hang-up time of the shared connection: two lists in the main window (a number
// 1..90 and the unit "sek" or "min") and the machine value "HangupTimer" in seconds.
#include <optional>
#include <string>

namespace tarvio::platform {
class ListControl;
class Registry;
}  // namespace tarvio::platform

namespace tarvio::dialup {

inline constexpr int kHangUpDelayMax = 90;
inline constexpr int kUnitSeconds = 0;
inline constexpr int kUnitMinutes = 1;

// The numbers "1".."90" and the units "sek", "min", each list then at its first item.
void FillHangUpLists(platform::ListControl& delay, platform::ListControl& unit);

// The stored time in list form: delay index -1 for no number, unit 0 or 1.
struct HangUpSelection {
  int delayIndex;
  int unitIndex;
  bool operator==(const HangUpSelection&) const = default;
};
// Stored text to list selections: up to 90 seconds stay seconds, more become minutes
// (at most 90); a missing value, or one that is no usable whole number of seconds,
// selects no number.
HangUpSelection HangUpSelectionFromText(const std::optional<std::string>& stored);

// At start-up: sets both lists from the stored value.
void ReadHangUpTime(platform::Registry& registry, platform::ListControl& delay, platform::ListControl& unit);

// ServeHangUpValues, the lists' selection handler: stores the shown time in seconds once
// start-up is over. False when Windows refused to store it.
bool ServeHangUpValues(platform::Registry& registry, const platform::ListControl& delay,
                       const platform::ListControl& unit, bool listsReady);

}  // namespace tarvio::dialup
