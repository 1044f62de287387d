#pragma once
// The plan: RebuildSchedule turns the plan file into ProviderPlan and the two display
// lists; Tick applies the due connection by selecting it in ProviderList.
#include <cstdint>
#include <string>

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
  Schedule(IniReader& ini, platform::Toolkit& toolkit, platform::Clock& clock, platform::ListControl& providerList,
           platform::ListControl& workdayLines, platform::ListControl& weekendLines);

  // Reads the plan file at IniFilePath again and rebuilds ProviderPlan and both display
  // lists, yielding to the window system once per hour of the plan; CurrentPlanIndex
  // becomes -1. A call made while a rebuild is yielding is ignored.
  void RebuildSchedule();
  // The five-second clock: one reading of the time; selects the due connection in
  // ProviderList when it differs from the one applied last. Does nothing while a
  // rebuild is running, so it never acts on a half-built table.
  void Tick();
  bool Rebuilding() const { return rebuilding_; }

  std::string IniFilePath;            // set once at start-up
  PlanTable ProviderPlan{};           // every cell 0 before the first rebuild
  std::int16_t CurrentPlanIndex = -1;  // the index applied last, -1 for none

 private:
  IniReader& ini_;
  platform::Toolkit& toolkit_;
  platform::Clock& clock_;
  platform::ListControl& providerList_;
  platform::ListControl& workdayLines_;
  platform::ListControl& weekendLines_;
  bool rebuilding_ = false;
};

}  // namespace tarvio::schedule
