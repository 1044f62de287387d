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

// The plan's world: a plan file in a scratch folder, the sorted connection list
// (indices 0 DayLine, 1 EveningLine, 2 NightLine, 3 Weekend) and both display lists.
class ScheduleRebuild : public ::testing::Test {
 protected:
  ScheduleRebuild() {
    for (const char* name : {"NightLine", "Weekend", "DayLine", "EveningLine"}) providerList.AddItem(name);
    schedule.IniFilePath = folder.PathOf("Provider.INI");
  }

  void WritePlan(const std::string& text) { folder.Write("Provider.INI", text); }

  std::vector<std::string> Lines(const ListControl& list) const {
    std::vector<std::string> lines;
    for (int i = 0; i < list.ListCount(); ++i) lines.push_back(list.List(i));
    return lines;
  }
  std::int16_t Cell(int day, int hour, int minute) const {
    return schedule.ProviderPlan[static_cast<std::size_t>(day)][static_cast<std::size_t>(hour)]
                                [static_cast<std::size_t>(minute)];
  }
  // Every cell of the day type from (fromHour, fromMinute) to 23:59 holds expected.
  void ExpectFrom(int day, int fromHour, int fromMinute, std::int16_t expected) const {
    for (int minuteOfDay = fromHour * 60 + fromMinute; minuteOfDay < 1440; ++minuteOfDay) {
      ASSERT_EQ(Cell(day, minuteOfDay / 60, minuteOfDay % 60), expected)
          << "day " << day << " " << TimeKey(minuteOfDay / 60, minuteOfDay % 60);
    }
  }
  void ExpectUntil(int day, int toHour, int toMinute, std::int16_t expected) const {
    for (int minuteOfDay = 0; minuteOfDay < toHour * 60 + toMinute; ++minuteOfDay) {
      ASSERT_EQ(Cell(day, minuteOfDay / 60, minuteOfDay % 60), expected)
          << "day " << day << " " << TimeKey(minuteOfDay / 60, minuteOfDay % 60);
    }
  }

  static constexpr std::int16_t kDayLine = 0, kEveningLine = 1, kNightLine = 2, kWeekendLine = 3;

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

TEST_F(ScheduleRebuild, EveryCellIsZeroBeforeTheFirstRebuild) {
  for (int d = 0; d < 2; ++d) ExpectFrom(d, 0, 0, 0);
}

TEST_F(ScheduleRebuild, NoPlanFileGivesEmptyPlanAndNoMessage) {
  workdayLines.AddItem("stale");
  weekendLines.AddItem("stale");
  schedule.RebuildSchedule();
  EXPECT_TRUE(Lines(workdayLines).empty());
  EXPECT_TRUE(Lines(weekendLines).empty());
  for (int d = 0; d < 2; ++d) ExpectFrom(d, 0, 0, kNoChange);
  EXPECT_TRUE(toolkit.boxes.empty());
}

TEST_F(ScheduleRebuild, OneWorkdayEntryAtMidnightFillsTheWholeWorkday) {
  WritePlan("[Werktags]\n00:00=NightLine\n");
  schedule.RebuildSchedule();
  ExpectFrom(kWorkday, 0, 0, kNightLine);
  ExpectFrom(kWeekend, 0, 0, kNoChange);
  EXPECT_EQ(Lines(workdayLines), std::vector<std::string>{"00:00 NightLine"});
  EXPECT_TRUE(Lines(weekendLines).empty());
}

TEST_F(ScheduleRebuild, DayTypesCarryTheirOwnConnection) {
  WritePlan("[Werktags]\n00:00=NightLine\n[Wochenende]\n00:00=Weekend\n");
  schedule.RebuildSchedule();
  ExpectFrom(kWorkday, 0, 0, kNightLine);
  ExpectFrom(kWeekend, 0, 0, kWeekendLine);
}

TEST_F(ScheduleRebuild, EntriesApplyUntilTheNextOne) {
  WritePlan("[Werktags]\n08:00=DayLine\n18:00=EveningLine\n");
  schedule.RebuildSchedule();
  ExpectUntil(kWorkday, 8, 0, kNoChange);
  EXPECT_EQ(Cell(kWorkday, 8, 0), kDayLine);
  EXPECT_EQ(Cell(kWorkday, 17, 59), kDayLine);
  ExpectFrom(kWorkday, 18, 0, kEveningLine);
}

TEST_F(ScheduleRebuild, UnknownConnectionIsReportedAndSkipped) {
  WritePlan("[Werktags]\n08:00=DayLine\n12:00=X\n");
  schedule.RebuildSchedule();
  ASSERT_EQ(toolkit.boxes.size(), 1u);
  EXPECT_EQ(toolkit.boxes[0].text,
            "Der für Werktags ab 12:00 Uhr vorgesehene Provider 'X'\r"
            "konnte im Dfü-Netzwerk nicht gefunden werden.\r\r"
            "Bitte überprüfen Sie diesen Punkt.");
  EXPECT_EQ(toolkit.boxes[0].style, 16);
  EXPECT_EQ(toolkit.boxes[0].title, "Tarvio");
  EXPECT_EQ(Cell(kWorkday, 11, 59), kDayLine);
  EXPECT_EQ(Cell(kWorkday, 12, 0), kNoChange);
  ExpectFrom(kWorkday, 12, 1, kDayLine);
  EXPECT_EQ(Lines(workdayLines), std::vector<std::string>{"08:00 DayLine"});
}

TEST_F(ScheduleRebuild, UnknownConnectionOnTheWeekendNamesWochenende) {
  WritePlan("[Wochenende]\n23:59=Nirgendwo\n");
  schedule.RebuildSchedule();
  ASSERT_EQ(toolkit.boxes.size(), 1u);
  EXPECT_EQ(toolkit.boxes[0].text.rfind("Der für Wochenende ab 23:59 Uhr vorgesehene Provider 'Nirgendwo'\r", 0), 0u);
}

TEST_F(ScheduleRebuild, EachUnknownEntryGetsItsOwnMessage) {
  WritePlan("[Werktags]\n01:00=X\n02:00=Y\n[Wochenende]\n01:00=X\n");
  schedule.RebuildSchedule();
  ASSERT_EQ(toolkit.boxes.size(), 3u);
  // The look-ups run minute by minute, the workday before the weekend in each minute.
  EXPECT_NE(toolkit.boxes[0].text.find("Werktags ab 01:00"), std::string::npos);
  EXPECT_NE(toolkit.boxes[1].text.find("Wochenende ab 01:00"), std::string::npos);
  EXPECT_NE(toolkit.boxes[2].text.find("Werktags ab 02:00"), std::string::npos);
}

TEST_F(ScheduleRebuild, SameConnectionTwiceGivesTwoLines) {
  WritePlan("[Werktags]\n09:00=DayLine\n08:00=DayLine\n");
  schedule.RebuildSchedule();
  EXPECT_EQ(Lines(workdayLines), (std::vector<std::string>{"08:00 DayLine", "09:00 DayLine"}));
}

TEST_F(ScheduleRebuild, NameInOtherCaseIsAcceptedAndShownAsWritten) {
  WritePlan("[werktags]\n08:00=dayline\n");
  schedule.RebuildSchedule();
  EXPECT_TRUE(toolkit.boxes.empty());
  EXPECT_EQ(Cell(kWorkday, 8, 0), kDayLine);
  EXPECT_EQ(Lines(workdayLines), std::vector<std::string>{"08:00 dayline"});
}

TEST_F(ScheduleRebuild, UmlautsMatchWithoutRegardToCase) {
  providerList.AddItem("Überland");  // sorts as U: between NightLine and Weekend, index 3
  WritePlan("[Werktags]\n08:00=\xFC" "berland\n");
  schedule.RebuildSchedule();
  EXPECT_TRUE(toolkit.boxes.empty());
  EXPECT_EQ(Cell(kWorkday, 8, 0), 3);
  EXPECT_EQ(Lines(workdayLines), std::vector<std::string>{"08:00 überland"});
}

TEST_F(ScheduleRebuild, MisspelledKeysAndEmptyValuesAreNoEntries) {
  WritePlan("[Werktags]\n8:00=DayLine\n08.30=DayLine\n24:00=DayLine\n09:00=\n");
  schedule.RebuildSchedule();
  ExpectFrom(kWorkday, 0, 0, kNoChange);
  EXPECT_TRUE(Lines(workdayLines).empty());
  EXPECT_TRUE(toolkit.boxes.empty());
}

TEST_F(ScheduleRebuild, RebuildingTwiceGivesTheSameResult) {
  WritePlan("[Werktags]\n00:00=NightLine\n08:00=DayLine\n[Wochenende]\n10:00=Weekend\n");
  schedule.RebuildSchedule();
  const PlanTable first = schedule.ProviderPlan;
  const auto firstLines = Lines(workdayLines);
  schedule.CurrentPlanIndex = kDayLine;
  schedule.RebuildSchedule();
  EXPECT_EQ(schedule.ProviderPlan, first);
  EXPECT_EQ(Lines(workdayLines), firstLines);
  EXPECT_EQ(Lines(weekendLines), std::vector<std::string>{"10:00 Weekend"});
  EXPECT_EQ(schedule.CurrentPlanIndex, kNoChange);
}

TEST_F(ScheduleRebuild, EditedPlanIsReadAgain) {
  WritePlan("[Werktags]\n00:00=NightLine\n");
  schedule.RebuildSchedule();
  WritePlan("[Werktags]\n00:00=DayLine\n");
  schedule.RebuildSchedule();
  ExpectFrom(kWorkday, 0, 0, kDayLine);
}

TEST_F(ScheduleRebuild, YieldsOncePerHourBeforeItsMinutes) {
  WritePlan("[Werktags]\n00:00=NightLine\n05:00=DayLine\n");
  std::vector<std::int16_t> seenAtFiveOClockYield;
  toolkit.onYield = [&] {
    if (toolkit.yields == 6) seenAtFiveOClockYield.push_back(Cell(kWorkday, 5, 0));
  };
  schedule.RebuildSchedule();
  EXPECT_EQ(toolkit.yields, 24);
  // The yield before hour 5 comes before that hour's cells are rebuilt: still the old 0.
  EXPECT_EQ(seenAtFiveOClockYield, std::vector<std::int16_t>{0});
}

TEST_F(ScheduleRebuild, SecondRebuildWhileYieldingIsIgnored) {
  WritePlan("[Werktags]\n00:00=NightLine\n");
  int nested = 0;
  toolkit.onYield = [&] {
    ++nested;
    EXPECT_TRUE(schedule.Rebuilding());
    schedule.RebuildSchedule();
  };
  schedule.RebuildSchedule();
  EXPECT_EQ(nested, 24);  // one yield per hour of the one rebuild, none of a nested one
  EXPECT_FALSE(schedule.Rebuilding());
  EXPECT_EQ(Lines(workdayLines), std::vector<std::string>{"00:00 NightLine"});
  ExpectFrom(kWorkday, 0, 0, kNightLine);
}

TEST_F(ScheduleRebuild, RebuildWorksAgainAfterOneEnded) {
  WritePlan("[Werktags]\n00:00=NightLine\n");
  schedule.RebuildSchedule();
  toolkit.yields = 0;
  schedule.RebuildSchedule();
  EXPECT_EQ(toolkit.yields, 24);
}

}  // namespace
}  // namespace tarvio::schedule
