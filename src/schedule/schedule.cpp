#include "schedule/schedule.h"

#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/list_control.h"
#include "platform/scoped_flag.h"
#include "platform/toolkit.h"
#include "schedule/ini_reader.h"

namespace tarvio::schedule {
namespace {

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

}  // namespace

Schedule::Schedule(IniReader& ini, platform::Toolkit& toolkit, platform::Clock& clock,
                   platform::ListControl& providerList, platform::ListControl& workdayLines,
                   platform::ListControl& weekendLines, std::function<bool()> switchStored)
    : ini_(ini),
      toolkit_(toolkit),
      clock_(clock),
      providerList_(providerList),
      workdayLines_(workdayLines),
      weekendLines_(weekendLines),
      switchStored_(std::move(switchStored)) {}

void Schedule::RebuildSchedule() {
  // A click on "Listen aktualisieren" that arrives while this rebuild yields, or while its
  // reports wait, would start a second rebuild inside the first; the running one already
  // reads the file anew.
  if (rebuilding_ || reporting_) return;
  const platform::ScopedFlag flag(rebuilding_);

  workdayLines_.Clear();
  weekendLines_.Clear();
  reports_.clear();
  const std::vector<std::string> dayNames = SplitAtComma(kDayTypeNames);
  platform::ListControl* const lines[kDayTypes] = {&workdayLines_, &weekendLines_};
  std::int16_t carried[kDayTypes] = {kNoChange, kNoChange};
  PlanTable next{};
  // The first look-up names the file and reads it; the others read it as it was then.
  std::string file = IniFilePath;

  for (int hour = 0; hour < kHours; ++hour) {
    // Ticks that run meanwhile keep to the table in force.
    toolkit_.DoEvents();
    for (int minute = 0; minute < kMinutes; ++minute) {
      const std::string key = TimeKey(hour, minute);
      for (int d = 0; d < kDayTypes; ++d) {
        const auto day = static_cast<std::size_t>(d);
        std::int16_t& cell = next[day][static_cast<std::size_t>(hour)][static_cast<std::size_t>(minute)];
        cell = kNoChange;
        const std::string name = ini_.GetIniString(dayNames[day], key, "", file);
        file.clear();
        if (name.empty()) {
          cell = carried[day];
          continue;
        }
        const int found = ini_.CanNameEntry(name) ? providerList_.IndexOf(name) : -1;
        if (found < 0) {
          reports_.push_back(MissingProviderText(dayNames[day], key, name));
          continue;
        }
        lines[day]->AddItem(key + " " + name);
        cell = static_cast<std::int16_t>(found);
        carried[day] = cell;
      }
    }
  }
  // In force from here on; the next tick applies the due connection even if it is the
  // one selected already.
  ProviderPlan = next;
  CurrentPlanIndex = kNoChange;
  planComplete_ = true;
}

void Schedule::ReportUnknownConnections(platform::WindowHandle owner) {
  if (rebuilding_ || reporting_) return;
  const platform::ScopedFlag flag(reporting_);
  while (!reports_.empty()) {
    const std::string text = std::move(reports_.front());
    reports_.pop_front();
    toolkit_.MsgBox(owner, text, platform::MessageStyle::Critical);
  }
}

void Schedule::Tick(bool listsReady) {
  if (!listsReady || !planComplete_) return;
  const platform::LocalTime now = clock_.Now();
  if (now.hour < 0 || now.hour >= kHours || now.minute < 0 || now.minute >= kMinutes) return;
  const std::int16_t due = PlanCell(ProviderPlan, DayTypeOf(now.weekday), now.hour, now.minute);
  if (due == kNoChange || due == CurrentPlanIndex) return;
  providerList_.SetListIndex(due);
  // A switch Windows refused is tried again at the next tick.
  if (switchStored_()) CurrentPlanIndex = due;
}

}  // namespace tarvio::schedule
