#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialup/aan.h"
#include "platform/list_control.h"
#include "platform/portable/cp1252_codec.h"
#include "platform/portable/fixed_clock.h"
#include "platform/portable/headless_toolkit.h"
#include "platform/portable/ini_profile_reader.h"
#include "platform/portable/memory_registry.h"
#include "schedule/ini_reader.h"
#include "schedule/provider_switch.h"
#include "schedule/schedule.h"
#include "support/profile_backends.h"
#include "support/recording_registry.h"

namespace tarvio::schedule {
namespace {

using platform::ListControl;
using Write = test::RecordingRegistry::Write;

constexpr int kSunday = 0, kMonday = 1, kFriday = 5, kSaturday = 6;

// The clock's world: plan file, connection list wired to its selection handler, the
// in-memory registry behind a recorder. Connections sorted: 0 DayLine, 1 EveningLine,
// 2 NightLine, 3 Weekend.
class ClockTick : public ::testing::Test {
 protected:
  ClockTick() {
    for (const char* name : {"NightLine", "Weekend", "DayLine", "EveningLine"}) providerList.AddItem(name);
    providerList.OnClick([this] { ProviderSelected(aan, providerList, listsReady); });
    schedule.IniFilePath = folder.PathOf("Provider.INI");
  }

  void Build(const std::string& plan) {
    folder.Write("Provider.INI", plan);
    schedule.RebuildSchedule();
  }
  void SetTime(int weekday, int hour, int minute, int second = 0) {
    clock.now.weekday = weekday;
    clock.now.hour = hour;
    clock.now.minute = minute;
    clock.now.second = second;
  }
  void TickAt(int weekday, int hour, int minute, int second = 0) {
    SetTime(weekday, hour, minute, second);
    schedule.Tick(listsReady != 0);
  }
  std::vector<std::string> WrittenNames() const {
    std::vector<std::string> names;
    for (const Write& w : registry.writes) names.push_back(w.valueName + "=" + w.text);
    return names;
  }
  static std::vector<std::string> Switch(const std::string& name) {
    return {"InternetProfile=" + name, "Default=" + name, "DefaultInternet=" + name};
  }

  static constexpr std::int16_t kDayLine = 0, kEveningLine = 1, kNightLine = 2, kWeekendLine = 3;

  test::ScratchFolder folder;
  platform::portable::IniProfileReader reader;
  platform::portable::Cp1252Codec codec;
  IniReader ini{reader, codec};
  platform::portable::HeadlessToolkit toolkit;
  platform::portable::FixedClock clock;
  platform::portable::MemoryRegistry memory;
  test::RecordingRegistry registry{memory};
  dialup::Aan aan{registry, codec};
  ListControl providerList{ListControl::Order::Sorted};
  ListControl workdayLines{ListControl::Order::Sorted};
  ListControl weekendLines{ListControl::Order::Sorted};
  std::int16_t listsReady = -1;
  Schedule schedule{ini, toolkit, clock, providerList, workdayLines, weekendLines};
};

TEST_F(ClockTick, AppliesTheDueConnection) {
  Build("[Werktags]\n08:00=DayLine\n");
  TickAt(kMonday, 8, 0, 3);
  EXPECT_EQ(providerList.ListIndex(), kDayLine);
  EXPECT_EQ(schedule.CurrentPlanIndex, kDayLine);
  EXPECT_EQ(WrittenNames(), Switch("DayLine"));
  EXPECT_EQ(registry.writes[0].keyPath, "HKCU\\remoteaccess");
  EXPECT_EQ(registry.writes[0].type, platform::kRegSz);
  EXPECT_EQ(registry.writes[2].keyPath, "HKCU\\Software\\Microsoft\\RAS Autodial\\Default");
  EXPECT_EQ(registry.writes[2].type, platform::kRegSz);
}

TEST_F(ClockTick, CellWithoutWishChangesNothing) {
  Build("[Werktags]\n08:00=DayLine\n");
  providerList.SetListIndex(kNightLine);
  registry.writes.clear();
  TickAt(kMonday, 7, 59);
  EXPECT_EQ(providerList.ListIndex(), kNightLine);
  EXPECT_EQ(schedule.CurrentPlanIndex, kNoChange);
  EXPECT_TRUE(registry.writes.empty());
}

TEST_F(ClockTick, ReadsTheClockOncePerTick) {
  Build("[Werktags]\n08:00=DayLine\n");
  clock.readings = 0;
  TickAt(kMonday, 8, 0);
  EXPECT_EQ(clock.readings, 1);
}

TEST_F(ClockTick, SecondTickInTheSameMinuteWritesNothing) {
  Build("[Werktags]\n08:00=DayLine\n");
  TickAt(kMonday, 8, 0, 2);
  TickAt(kMonday, 8, 0, 7);
  TickAt(kMonday, 8, 1, 2);
  EXPECT_EQ(WrittenNames(), Switch("DayLine"));
}

TEST_F(ClockTick, AfterARebuildTheNextTickWritesAgain) {
  Build("[Werktags]\n08:00=DayLine\n");
  TickAt(kMonday, 9, 0);
  schedule.RebuildSchedule();
  TickAt(kMonday, 9, 0, 5);
  EXPECT_EQ(providerList.ListIndex(), kDayLine);
  const std::vector<std::string> twice = {"InternetProfile=DayLine", "Default=DayLine", "DefaultInternet=DayLine",
                                          "InternetProfile=DayLine", "Default=DayLine", "DefaultInternet=DayLine"};
  EXPECT_EQ(WrittenNames(), twice);
}

TEST_F(ClockTick, FridayNightIsAWorkdaySaturdayMidnightAWeekend) {
  Build("[Werktags]\n00:00=NightLine\n[Wochenende]\n00:00=Weekend\n");
  TickAt(kFriday, 23, 59, 55);
  EXPECT_EQ(schedule.CurrentPlanIndex, kNightLine);
  TickAt(kSaturday, 0, 0, 0);
  EXPECT_EQ(schedule.CurrentPlanIndex, kWeekendLine);
  TickAt(kSunday, 12, 0);
  TickAt(kMonday, 0, 0);
  EXPECT_EQ(schedule.CurrentPlanIndex, kNightLine);
  std::vector<std::string> expected = Switch("NightLine");
  for (const char* name : {"Weekend", "NightLine"}) {
    const auto pair = Switch(name);
    expected.insert(expected.end(), pair.begin(), pair.end());
  }
  EXPECT_EQ(WrittenNames(), expected);
}

TEST_F(ClockTick, WeekendWithoutMidnightEntryKeepsTheConnection) {
  Build("[Werktags]\n18:00=EveningLine\n[Wochenende]\n10:00=Weekend\n");
  TickAt(kFriday, 23, 59);
  TickAt(kSaturday, 0, 0);
  TickAt(kSaturday, 9, 59);
  EXPECT_EQ(providerList.ListIndex(), kEveningLine);
  EXPECT_EQ(WrittenNames(), Switch("EveningLine"));
  TickAt(kSaturday, 10, 0);
  EXPECT_EQ(providerList.ListIndex(), kWeekendLine);
}

// Before the lists are ready a selection would write nothing; it must not count as
// applied either, or the due connection would wait for the next change of the plan.
// Before the first complete table there is nothing to apply.
TEST_F(ClockTick, NothingIsSelectedBeforeTheListsAreReadyOrTheFirstTable) {
  listsReady = -1;
  TickAt(kMonday, 8, 0);
  listsReady = 0;
  Build("[Werktags]\n08:00=DayLine\n");
  TickAt(kMonday, 8, 0);
  EXPECT_EQ(providerList.ListIndex(), -1);
  EXPECT_EQ(clock.readings, 0);
  listsReady = -1;
  TickAt(kMonday, 8, 0, 5);
  EXPECT_EQ(WrittenNames(), Switch("DayLine"));
}

TEST_F(ClockTick, ClockOutsideTheDayIsIgnored) {
  Build("[Werktags]\n00:00=NightLine\n");
  for (const auto& [hour, minute] : {std::pair{24, 0}, std::pair{-1, 0}, std::pair{0, 60}, std::pair{0, -1}}) {
    TickAt(kMonday, hour, minute);
  }
  EXPECT_TRUE(registry.writes.empty());
}

// While a rebuild yields, the clock keeps to the table in force; the new one takes effect
// when it is complete, and the next tick applies its due connection.
TEST_F(ClockTick, TicksDuringARebuildKeepToTheOldTable) {
  Build("[Werktags]\n00:00=NightLine\n[Wochenende]\n00:00=Weekend\n");
  folder.Write("Provider.INI", "[Werktags]\n00:00=DayLine\n[Wochenende]\n00:00=DayLine\n");
  toolkit.onYield = [&] { TickAt(kSaturday, 12, 0); };
  schedule.RebuildSchedule();
  toolkit.onYield = nullptr;
  EXPECT_EQ(WrittenNames(), Switch("Weekend"));
  EXPECT_EQ(schedule.CurrentPlanIndex, kNoChange);
  registry.writes.clear();
  TickAt(kSaturday, 12, 0, 5);
  EXPECT_EQ(WrittenNames(), Switch("DayLine"));
}

// A week of ticks every five seconds over a realistic plan: the registry must see the
// switches at the first tick of each due minute, and nothing else.
TEST_F(ClockTick, WholeWeekWritesExactlyThePlannedSwitches) {
  Build(
      "; Provider plan\r\n"
      "[Werktags]\r\n"
      "00:00=NightLine\r\n"
      "07:30=DayLine\r\n"
      "12:00=dayline\r\n"
      "18:00=EveningLine\r\n"
      "22:00=NightLine\r\n"
      "[Wochenende]\r\n"
      "10:00=Weekend\r\n"
      "20:00=NightLine\r\n");
  ASSERT_TRUE(toolkit.boxes.empty());
  registry.stamp = [this] {
    return std::to_string(clock.now.weekday) + " " + TimeKey(clock.now.hour, clock.now.minute) + ":" +
           std::to_string(clock.now.second);
  };

  // Monday 00:00:00 through Sunday 23:59:55.
  const int weekdays[7] = {kMonday, 2, 3, 4, kFriday, kSaturday, kSunday};
  for (const int weekday : weekdays) {
    for (int second = 0; second < 86400; second += 5) TickAt(weekday, second / 3600, second / 60 % 60, second % 60);
  }

  std::vector<Write> expected;
  const auto expectSwitch = [&](int weekday, const char* time, const char* name) {
    const std::string when = std::to_string(weekday) + " " + time + ":0";
    expected.push_back({"HKCU\\remoteaccess", "InternetProfile", name, platform::kRegSz, when});
    expected.push_back({"HKCU\\remoteaccess", "Default", name, platform::kRegSz, when});
    expected.push_back(
        {"HKCU\\Software\\Microsoft\\RAS Autodial\\Default", "DefaultInternet", name, platform::kRegSz, when});
  };
  expectSwitch(kMonday, "00:00", "NightLine");
  for (int weekday = kMonday; weekday <= kFriday; ++weekday) {
    // 12:00 names DayLine again and the next midnight NightLine again: both already in force.
    expectSwitch(weekday, "07:30", "DayLine");
    expectSwitch(weekday, "18:00", "EveningLine");
    expectSwitch(weekday, "22:00", "NightLine");
  }
  // Weekend mornings before 10:00 carry no wish and keep the night's connection.
  expectSwitch(kSaturday, "10:00", "Weekend");
  expectSwitch(kSaturday, "20:00", "NightLine");
  expectSwitch(kSunday, "10:00", "Weekend");
  expectSwitch(kSunday, "20:00", "NightLine");
  EXPECT_EQ(registry.writes, expected);
}

}  // namespace
}  // namespace tarvio::schedule
