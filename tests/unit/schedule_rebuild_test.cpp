#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/list_control.h"
#include "platform/portable/cp1252_codec.h"
#include "platform/portable/fixed_clock.h"
#include "platform/portable/headless_toolkit.h"
#include "platform/portable/ini_profile_reader.h"
#include "schedule/ini_reader.h"
#include "schedule/schedule.h"
#include "support/profile_backends.h"

namespace tarvio::schedule {
namespace {

using platform::ListControl;
using Texts = std::vector<std::string>;

// The plan's world: a plan file in a scratch folder, the sorted connection list
// (indices 0 DayLine, 1 EveningLine, 2 NightLine, 3 Weekend) and both display lists.
class ScheduleRebuild : public ::testing::Test {
 protected:
  ScheduleRebuild() {
    for (const char* name : {"NightLine", "Weekend", "DayLine", "EveningLine"}) providerList.AddItem(name);
    schedule.IniFilePath = folder.PathOf("Provider.INI");
  }

  void Rebuild(const std::string& plan) {
    folder.Write("Provider.INI", plan);
    schedule.RebuildSchedule();
    schedule.ReportUnknownConnections(kOwner);
  }
  // The list's lines, joined by " | ".
  static std::string Lines(const ListControl& list) {
    std::string lines;
    for (int i = 0; i < list.ListCount(); ++i) lines += (i > 0 ? " | " : "") + list.List(i);
    return lines;
  }
  // The day's plan as "HH:MM index" at midnight and at every minute whose index differs
  // from the minute before, joined by ", ": the whole table of the day in one line.
  std::string Changes(int day) const {
    std::string changes;
    for (int minute = 0; minute < 1440; ++minute) {
      const std::int16_t cell = Cell(day, minute / 60, minute % 60);
      if (minute == 0 || cell != Cell(day, (minute - 1) / 60, (minute - 1) % 60)) {
        changes += (minute > 0 ? ", " : "") + TimeKey(minute / 60, minute % 60) + " " + std::to_string(cell);
      }
    }
    return changes;
  }
  std::int16_t Cell(int day, int hour, int minute) const {
    return schedule
        .ProviderPlan[static_cast<std::size_t>(day)][static_cast<std::size_t>(hour)][static_cast<std::size_t>(minute)];
  }
  // The first line of each message box shown.
  Texts FirstLines() const {
    Texts lines;
    for (const auto& box : toolkit.boxes) lines.push_back(box.text.substr(0, box.text.find('\r')));
    return lines;
  }

  static constexpr platform::WindowHandle kOwner = 0x1000;
  test::ScratchFolder folder;
  platform::portable::IniProfileReader reader;
  platform::portable::Cp1252Codec codec;
  IniReader ini{reader, codec};
  platform::portable::HeadlessToolkit toolkit;
  platform::portable::FixedClock clock;
  ListControl providerList{ListControl::Order::Sorted};
  ListControl workdayLines{ListControl::Order::Sorted};
  ListControl weekendLines{ListControl::Order::Sorted};
  Schedule schedule{ini, toolkit, clock, providerList, workdayLines, weekendLines};
};

TEST_F(ScheduleRebuild, WithoutAPlanFileEveryMinuteHoldsNoChangeAndTheListsAreEmptied) {
  for (int day = 0; day < 2; ++day) EXPECT_EQ(Changes(day), "00:00 0") << "before the first rebuild";
  workdayLines.AddItem("stale");
  weekendLines.AddItem("stale");
  schedule.RebuildSchedule();
  for (int day = 0; day < 2; ++day) EXPECT_EQ(Changes(day), "00:00 -1");
  EXPECT_EQ(Lines(workdayLines), "");
  EXPECT_EQ(Lines(weekendLines), "");
  EXPECT_TRUE(toolkit.boxes.empty());
}

// The rows run one after another on the same lists: each rebuild reads the edited file
// again and replaces everything the one before built.
TEST_F(ScheduleRebuild, EntriesApplyFromTheirMinuteUntilTheNextOne) {
  const struct {
    const char *plan, *workday, *weekend, *workdayLines, *weekendLines;
  } rows[] = {
      {"[Werktags]\n00:00=NightLine\n", "00:00 2", "00:00 -1", "00:00 NightLine", ""},
      {"[Werktags]\n00:00=NightLine\n[Wochenende]\n00:00=Weekend\n", "00:00 2", "00:00 3", "00:00 NightLine",
       "00:00 Weekend"},
      {"[Werktags]\n08:00=DayLine\n18:00=EveningLine\n", "00:00 -1, 08:00 0, 18:00 1", "00:00 -1",
       "08:00 DayLine | 18:00 EveningLine", ""},
      {"[Werktags]\n00:00=NightLine\n08:00=DayLine\n[Wochenende]\n10:00=Weekend\n", "00:00 2, 08:00 0",
       "00:00 -1, 10:00 3", "00:00 NightLine | 08:00 DayLine", "10:00 Weekend"},
      // the same connection twice: two lines
      {"[Werktags]\n09:00=DayLine\n08:00=DayLine\n", "00:00 -1, 08:00 0", "00:00 -1", "08:00 DayLine | 09:00 DayLine",
       ""},
      // names in other case are accepted and shown as written
      {"[werktags]\n08:00=dayline\n", "00:00 -1, 08:00 0", "00:00 -1", "08:00 dayline", ""},
      // misspelled keys and empty values are no entries
      {"[Werktags]\n8:00=DayLine\n08.30=DayLine\n24:00=DayLine\n09:00=\n", "00:00 -1", "00:00 -1", "", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.plan);
    Rebuild(row.plan);
    EXPECT_EQ(Changes(kWorkday), row.workday);
    EXPECT_EQ(Changes(kWeekend), row.weekend);
    EXPECT_EQ(Lines(workdayLines), row.workdayLines);
    EXPECT_EQ(Lines(weekendLines), row.weekendLines);
  }
  EXPECT_TRUE(toolkit.boxes.empty());
}

TEST_F(ScheduleRebuild, RebuildingTwiceGivesTheSameResultAndForgetsTheAppliedIndex) {
  Rebuild("[Werktags]\n00:00=NightLine\n08:00=DayLine\n[Wochenende]\n10:00=Weekend\n");
  const PlanTable first = schedule.ProviderPlan;
  const std::string firstLines = Lines(workdayLines);
  schedule.CurrentPlanIndex = 0;
  schedule.RebuildSchedule();
  EXPECT_EQ(schedule.ProviderPlan, first);
  EXPECT_EQ(Lines(workdayLines), firstLines);
  EXPECT_EQ(Lines(weekendLines), "10:00 Weekend");
  EXPECT_EQ(schedule.CurrentPlanIndex, kNoChange);
}

TEST_F(ScheduleRebuild, UnknownConnectionIsReportedAndSkipped) {
  Rebuild("[Werktags]\n08:00=DayLine\n12:00=X\n");
  ASSERT_EQ(toolkit.boxes.size(), 1u);
  EXPECT_EQ(toolkit.boxes[0].text,
            "Der für Werktags ab 12:00 Uhr vorgesehene Provider 'X'\r"
            "konnte im Dfü-Netzwerk nicht gefunden werden.\r\r"
            "Bitte überprüfen Sie diesen Punkt.");
  EXPECT_EQ(toolkit.boxes[0].style, 16);
  EXPECT_EQ(toolkit.boxes[0].title, "Tarvio");
  EXPECT_EQ(toolkit.boxes[0].owner, kOwner);
  EXPECT_EQ(Changes(kWorkday), "00:00 -1, 08:00 0, 12:00 -1, 12:01 0");
  EXPECT_EQ(Lines(workdayLines), "08:00 DayLine");
}

TEST_F(ScheduleRebuild, EachUnknownEntryGetsItsOwnMessageNamingItsDayType) {
  Rebuild("[Werktags]\n01:00=X\n02:00=Y\n[Wochenende]\n01:00=X\n23:59=Nirgendwo\n");
  // The look-ups run minute by minute, the workday before the weekend in each minute.
  EXPECT_EQ(FirstLines(), (Texts{"Der für Werktags ab 01:00 Uhr vorgesehene Provider 'X'",
                                 "Der für Wochenende ab 01:00 Uhr vorgesehene Provider 'X'",
                                 "Der für Werktags ab 02:00 Uhr vorgesehene Provider 'Y'",
                                 "Der für Wochenende ab 23:59 Uhr vorgesehene Provider 'Nirgendwo'"}));
}

TEST_F(ScheduleRebuild, UmlautsMatchWithoutRegardToCase) {
  providerList.AddItem("Überland");  // sorts as U: between NightLine and Weekend, index 3
  Rebuild(
      "[Werktags]\n08:00=\xFC"
      "berland\n");
  EXPECT_TRUE(toolkit.boxes.empty());
  EXPECT_EQ(Changes(kWorkday), "00:00 -1, 08:00 3");
  EXPECT_EQ(Lines(workdayLines), "08:00 überland");
}

TEST_F(ScheduleRebuild, YieldsOncePerHourWhileTheTableInForceStaysWhole) {
  std::vector<std::string> seenAtYields;
  toolkit.onYield = [&] {
    if (toolkit.yields == 6 || toolkit.yields == 30) seenAtYields.push_back(Changes(kWorkday));
  };
  Rebuild("[Werktags]\n00:00=NightLine\n05:00=DayLine\n");
  EXPECT_EQ(toolkit.yields, 24);
  Rebuild("[Werktags]\n00:00=EveningLine\n");
  EXPECT_EQ(toolkit.yields, 48);
  // Until a rebuild is complete the table of the one before is in force, whole.
  EXPECT_EQ(seenAtYields, (Texts{"00:00 0", "00:00 2, 05:00 0"}));
  EXPECT_EQ(Changes(kWorkday), "00:00 1");
}

TEST_F(ScheduleRebuild, SecondRebuildWhileYieldingOrReportingIsIgnored) {
  int nested = 0;
  toolkit.onYield = [&] {
    ++nested;
    EXPECT_TRUE(schedule.Rebuilding());
    schedule.RebuildSchedule();
    schedule.ReportUnknownConnections(kOwner);  // the reports belong to the running rebuild
  };
  toolkit.onBox = [&] {
    schedule.RebuildSchedule();
    schedule.ReportUnknownConnections(kOwner);
  };
  Rebuild("[Werktags]\n00:00=NightLine\n10:00=X\n[Wochenende]\n00:00=Y\n");
  EXPECT_EQ(nested, 24);  // one yield per hour of the one rebuild, none of a nested one
  EXPECT_FALSE(schedule.Rebuilding());
  EXPECT_EQ(FirstLines(), (Texts{"Der für Wochenende ab 00:00 Uhr vorgesehene Provider 'Y'",
                                 "Der für Werktags ab 10:00 Uhr vorgesehene Provider 'X'"}));
  EXPECT_EQ(Lines(workdayLines), "00:00 NightLine");
  EXPECT_EQ(Changes(kWorkday), "00:00 2, 10:00 -1, 10:01 2");
}

}  // namespace
}  // namespace tarvio::schedule
