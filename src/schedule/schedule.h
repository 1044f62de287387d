#pragma once
// The plan: RebuildSchedule turns the plan file into ProviderPlan and the two display
// lists; Tick applies the due connection by selecting it in ProviderList.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "platform/form.h"
#include "schedule/plan_table.h"

namespace tarvio::platform {
class Clock;
class ListControl;
class Toolkit;
}  // namespace tarvio::platform

namespace tarvio::schedule {

class IniReader;

class Schedule {
 public:
  // switchStored tells, right after the clock selected a connection, whether its
  // selection handler got Windows to store it.
  Schedule(IniReader& ini, platform::Toolkit& toolkit, platform::Clock& clock, platform::ListControl& providerList,
           platform::ListControl& workdayLines, platform::ListControl& weekendLines,
           std::function<bool()> switchStored);

  // Reads the plan file at IniFilePath again into a new table and both display lists,
  // yielding to the window system once per hour of the plan. The new table takes effect
  // in one step when it is complete, and CurrentPlanIndex becomes -1 then. Entries that
  // name no connection of ProviderList are kept for ReportUnknownConnections. A call
  // made while a rebuild runs or its reports wait for an answer is ignored.
  void RebuildSchedule();
  // Shows the entries the last rebuild could not place, one message per entry in the
  // order the rebuild met them. The clock goes on while a message waits for its answer.
  void ReportUnknownConnections(platform::WindowHandle owner);
  // Forgets the reports not shown yet (the program is ending).
  void DropReports() { reports_.clear(); }
  // The five-second clock: one reading of the time; selects the due connection in
  // ProviderList when it differs from the one applied last, which it becomes once
  // Windows has stored it (else the next tick tries again). Does nothing before the
  // lists are ready (a selection then would write nothing) or before the first complete
  // table; while a rebuild runs it keeps to the last complete table.
  void Tick(bool listsReady);
  // The new table is being built: the lists are being filled.
  bool Rebuilding() const { return rebuilding_; }

  std::string IniFilePath;                    // set once at start-up
  PlanTable ProviderPlan{};                   // the table in force
  std::int16_t CurrentPlanIndex = kNoChange;  // the index applied last, -1 for none

 private:
  IniReader& ini_;
  platform::Toolkit& toolkit_;
  platform::Clock& clock_;
  platform::ListControl& providerList_;
  platform::ListControl& workdayLines_;
  platform::ListControl& weekendLines_;
  std::function<bool()> switchStored_;
  std::deque<std::string> reports_;
  bool planComplete_ = false;
  bool rebuilding_ = false;
  bool reporting_ = false;
};

}  // namespace tarvio::schedule
