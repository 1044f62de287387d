#pragma once
// The idle hang-up time of the shared connection: two lists in the main window (a number
// 1..90 and the unit "sek" or "min") and the machine value "HangupTimer" in seconds.
#include <cstdint>
#include <string>

namespace tarvio::platform {
class ListControl;
}

namespace tarvio::dialup {

class Aan;

inline constexpr int kHangUpDelayMax = 90;
inline constexpr int kUnitSeconds = 0;
inline constexpr int kUnitMinutes = 1;

// The numbers "1".."90" and the units "sek", "min", each list then at its first item.
void FillHangUpLists(platform::ListControl& delay, platform::ListControl& unit);

// The stored time in list form: delay index -1 for no number, unit 0 or 1.
struct HangUpSelection {
  int delayIndex;
  int unitIndex;
};
// Stored text to list selections: up to 90 seconds stay seconds, more become minutes
// (at most 90); anything that is no usable whole number of seconds selects no number.
HangUpSelection HangUpSelectionFromText(const std::string& stored);

// At start-up: sets both lists from the stored value.
void ReadHangUpTime(Aan& aan, platform::ListControl& delay, platform::ListControl& unit);

// The lists' selection handlers: stores the shown time in seconds, once start-up is over
// (listsReady: -1 true, 0 false).
void ServeHangUpValues(Aan& aan, const platform::ListControl& delay, const platform::ListControl& unit,
                       std::int16_t listsReady);

}  // namespace tarvio::dialup
