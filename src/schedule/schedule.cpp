#include "schedule/schedule.h"

#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/list_control.h"
#include "platform/text_compare.h"
#include "platform/toolkit.h"
#include "schedule/ini_reader.h"

namespace tarvio::schedule {
namespace {

constexpr const char* kAppTitle = "Tarvio";
constexpr int kSunday = 0;
constexpr int kSaturday = 6;

std::vector<std::string> SplitAtComma(std::string_view text) {
  std::vector<std::string> parts;
  for (;;) {
    const std::size_t comma = text.find(',');
    parts.emplace_back(text.substr(0, comma));
    if (comma == std::string_view::npos) return parts;
    text.remove_prefix(comma + 1);
  }
}

std::string MissingProviderText(const std::string& dayName, const std::string& key, const std::string& name) {
  return "Der für " + dayName + " ab " + key + " Uhr vorgesehene Provider '" + name + "'" + "\r" +
         "konnte im Dfü-Netzwerk nicht gefunden werden." + "\r\r" + "Bitte überprüfen Sie diesen Punkt.";
}

// Clears the flag however the rebuild ends, so one failure cannot stop the clock for good.
class RebuildFlag {
 public:
  explicit RebuildFlag(bool& flag) : flag_(flag) { flag_ = true; }
  RebuildFlag(const RebuildFlag&) = delete;
  RebuildFlag& operator=(const RebuildFlag&) = delete;
  ~RebuildFlag() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

Schedule::Schedule(IniReader& ini, platform::Toolkit& toolkit, platform::Clock& clock,
                   platform::ListControl& providerList, platform::ListControl& workdayLines,
                   platform::ListControl& weekendLines)
    : ini_(ini),
      toolkit_(toolkit),
      clock_(clock),
      providerList_(providerList),
      workdayLines_(workdayLines),
      weekendLines_(weekendLines) {}

void Schedule::RebuildSchedule() {
  // A click on "Listen aktualisieren" that arrives while this rebuild yields would start
  // a second rebuild inside the first; the running one already reads the file anew.
  if (rebuilding_) return;
  const RebuildFlag flag(rebuilding_);

  workdayLines_.Clear();
  weekendLines_.Clear();
  const std::vector<std::string> dayNames = SplitAtComma(kDayTypeNames);
  platform::ListControl* const lines[kDayTypes] = {&workdayLines_, &weekendLines_};
  std::int16_t carried[kDayTypes] = {kNoChange, kNoChange};
  CurrentPlanIndex = kNoChange;

  for (int hour = 0; hour < 24; ++hour) {
    toolkit_.DoEvents();
    for (int minute = 0; minute < 60; ++minute) {
      const std::string key = TimeKey(hour, minute);
      for (int d = 0; d < kDayTypes; ++d) {
        const auto day = static_cast<std::size_t>(d);
        std::int16_t& cell = ProviderPlan[day][static_cast<std::size_t>(hour)][static_cast<std::size_t>(minute)];
        cell = kNoChange;
        const std::string name = ini_.GetIniString(dayNames[day], key, "", IniFilePath);
        if (name.empty()) {
          cell = carried[day];
          continue;
        }
        int found = -1;
        for (int i = 0; i < providerList_.ListCount(); ++i) {
          if (platform::EqualsNoCase(providerList_.List(i), name)) {
            found = i;
            break;
          }
        }
        if (found < 0) {
          toolkit_.MsgBox(MissingProviderText(dayNames[day], key, name), platform::kMbCritical, kAppTitle);
          continue;
        }
        lines[day]->AddItem(key + " " + name);
        cell = static_cast<std::int16_t>(found);
        carried[day] = cell;
      }
    }
  }
}

void Schedule::Tick() {
  // The table is half old, half new while a rebuild yields; the first tick after it
  // applies the due connection anyway, because the rebuild forgets the one applied last.
  if (rebuilding_) return;
  const platform::LocalTime now = clock_.Now();
  if (now.hour < 0 || now.hour > 23 || now.minute < 0 || now.minute > 59) return;
  const int dayType = (now.weekday == kSaturday || now.weekday == kSunday) ? kWeekend : kWorkday;
  const std::int16_t due = ProviderPlan[static_cast<std::size_t>(dayType)][static_cast<std::size_t>(now.hour)]
                                       [static_cast<std::size_t>(now.minute)];
  if (due == kNoChange || due == CurrentPlanIndex) return;
  providerList_.SetListIndex(due);
  CurrentPlanIndex = due;
}

}  // namespace tarvio::schedule
