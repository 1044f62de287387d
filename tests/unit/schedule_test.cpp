// The plan file, ProviderPlan and the clock that applies it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_profile_reader.h"
#include "fakes/fake_system.h"
#include "fakes/fake_toolkit.h"
#include "platform/list_control.h"
#include "schedule/ini_reader.h"
#include "schedule/plan_encoding.h"
#include "schedule/profile_text.h"
#include "schedule/schedule.h"
#include "support/items.h"

namespace tarvio::schedule {
namespace {

using platform::ListControl;
using test::Texts;
using namespace std::string_literals;

constexpr int kSunday = 0, kMonday = 1, kFriday = 5, kSaturday = 6;
constexpr platform::WindowHandle kOwner = 0x1000;

// The connection list (0 DayLine, 1 EveningLine, 2 NightLine, 3 Weekend) records every
// selection the clock makes, with the time of the tick.
class Plan : public ::testing::Test {
 protected:
  Plan() {
    for (const char* name : {"NightLine", "Weekend", "DayLine", "EveningLine"}) providerList.AddItem(name);
    providerList.OnClick([this] {
      selections.push_back(std::to_string(clock.now.weekday) + " " + TimeKey(clock.now.hour, clock.now.minute) + ":" +
                           std::to_string(clock.now.second) + " " + providerList.List(providerList.ListIndex()));
    });
    schedule.IniFilePath = "C:\\Tarvio\\Provider.INI";
  }
  void Rebuild(const std::string& plan) {
    profile.Write(plan);
    schedule.RebuildSchedule();
    schedule.ReportUnknownConnections(kOwner);
  }
  void TickAt(int weekday, int hour, int minute, int second = 0) {
    clock.now = {weekday, hour, minute, second};
    schedule.Tick(listsReady);
  }
  static std::string Lines(const ListControl& list) {
    std::string lines;
    for (const std::string& item : test::Items(list)) lines += (lines.empty() ? "" : " | ") + item;
    return lines;
  }
  // The day's plan as "HH:MM index" at midnight and at every minute whose index differs
  // from the minute before: the whole table of one day type in one line.
  std::string Changes(int day) const {
    std::string changes;
    std::int16_t last = -2;
    for (int minute = 0; minute < 1440; ++minute) {
      const std::int16_t cell =
          schedule.ProviderPlan[static_cast<std::size_t>(day)][static_cast<std::size_t>(minute / 60)]
                               [static_cast<std::size_t>(minute % 60)];
      if (cell != last)
        changes += (minute > 0 ? ", " : "") + TimeKey(minute / 60, minute % 60) + " " + std::to_string(cell);
      last = cell;
    }
    return changes;
  }
  Texts FirstLinesOfTheReports() const {
    Texts lines;
    for (const auto& box : toolkit.boxes) lines.push_back(box.text.substr(0, box.text.find('\r')));
    return lines;
  }

  test::FakeProfileReader profile;
  test::FakeAnsiCodePage ansi;
  IniReader ini{profile, profile, ansi};
  test::FakeToolkit toolkit;
  test::FakeClock clock;
  ListControl providerList{ListControl::Order::Sorted};
  ListControl workdayLines{ListControl::Order::Sorted};
  ListControl weekendLines{ListControl::Order::Sorted};
  Schedule schedule{ini, toolkit, clock, providerList, workdayLines, weekendLines, [] { return true; }};
  bool listsReady = true;
  Texts selections;
};

// The rows run one after another on the same lists: each rebuild reads the edited file
// again and replaces everything the one before built.
TEST_F(Plan, EntriesApplyFromTheirMinuteUntilTheNextOne) {
  const struct {
    const char *plan, *workday, *weekend, *workdayLines, *weekendLines;
  } rows[] = {
      {"", "00:00 -1", "00:00 -1", "", ""},
      {"[Werktags]\n00:00=NightLine\n", "00:00 2", "00:00 -1", "00:00 NightLine", ""},
      {"[Werktags]\n00:00=DayLine\n[Wochenende]\n00:00=Weekend\n", "00:00 0", "00:00 3", "00:00 DayLine",
       "00:00 Weekend"},
      {"[Werktags]\n08:00=DayLine\n18:00=EveningLine\n[Wochenende]\n23:59=NightLine\n", "00:00 -1, 08:00 0, 18:00 1",
       "00:00 -1, 23:59 2", "08:00 DayLine | 18:00 EveningLine", "23:59 NightLine"},
      // the same connection twice: two lines; an unknown name is no entry for its minute only
      {"[Werktags]\n09:00=DayLine\n08:00=dayline\n12:00=X\n", "00:00 -1, 08:00 0, 12:00 -1, 12:01 0", "00:00 -1",
       "08:00 dayline | 09:00 DayLine", ""},
      // misspelled keys and empty values are no entries
      {"[Werktags]\n8:00=DayLine\n08.30=DayLine\n24:00=DayLine\n09:00=\n", "00:00 -1", "00:00 -1", "", ""}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.plan);
    Rebuild(row.plan);
    EXPECT_EQ(Changes(0), row.workday);
    EXPECT_EQ(Changes(1), row.weekend);
    EXPECT_EQ(Lines(workdayLines), row.workdayLines);
    EXPECT_EQ(Lines(weekendLines), row.weekendLines);
  }
  EXPECT_EQ(profile.reads, 6 * 2880);
  EXPECT_EQ(profile.lastFile, "C:\\Tarvio\\Provider.INI");
}

// One message per unknown entry, in the order of the look-ups: minute by minute, the
// workday before the weekend in each minute.
TEST_F(Plan, UnknownEntriesAreReportedAfterTheRebuildInTheOrderMet) {
  Rebuild("[Werktags]\n01:00=X\n02:00=Y\n[Wochenende]\n01:00=X\n23:59=Nirgendwo\n");
  EXPECT_EQ(FirstLinesOfTheReports(), (Texts{"Der für Werktags ab 01:00 Uhr vorgesehene Provider 'X'",
                                             "Der für Wochenende ab 01:00 Uhr vorgesehene Provider 'X'",
                                             "Der für Werktags ab 02:00 Uhr vorgesehene Provider 'Y'",
                                             "Der für Wochenende ab 23:59 Uhr vorgesehene Provider 'Nirgendwo'"}));
  EXPECT_EQ(toolkit.boxes[3].text,
            "Der für Wochenende ab 23:59 Uhr vorgesehene Provider 'Nirgendwo'\rkonnte im Dfü-Netzwerk nicht gefunden "
            "werden.\r\rBitte überprüfen Sie diesen Punkt.");
  EXPECT_EQ(toolkit.boxes[3].style, platform::MessageStyle::Critical);
  EXPECT_EQ(toolkit.boxes[3].owner, kOwner);
  schedule.ReportUnknownConnections(kOwner);
  EXPECT_EQ(toolkit.boxes.size(), 4u);  // shown once
}

// Until a rebuild is complete the table of the one before is in force, whole; a second
// rebuild asked for meanwhile, or while the reports wait, is ignored.
TEST_F(Plan, ARebuildYieldsOncePerHourAndTheNewTableTakesEffectWhenComplete) {
  Rebuild("[Werktags]\n00:00=NightLine\n05:00=DayLine\n");
  Texts seen;
  toolkit.onYield = [&] {
    if (toolkit.yields % 6 == 0) seen.push_back(Changes(0));
    EXPECT_TRUE(schedule.Rebuilding());
    schedule.RebuildSchedule();
    schedule.ReportUnknownConnections(kOwner);
  };
  toolkit.onBox = [&] {
    schedule.RebuildSchedule();
    EXPECT_FALSE(schedule.Rebuilding());
  };
  Rebuild("[Werktags]\n00:00=EveningLine\n10:00=X\n[Wochenende]\n00:00=Y\n");
  EXPECT_EQ(toolkit.yields, 48);
  EXPECT_EQ(seen, Texts(4, "00:00 2, 05:00 0"));
  EXPECT_EQ(Changes(0), "00:00 1, 10:00 -1, 10:01 1");
  EXPECT_EQ(FirstLinesOfTheReports(), (Texts{"Der für Wochenende ab 00:00 Uhr vorgesehene Provider 'Y'",
                                             "Der für Werktags ab 10:00 Uhr vorgesehene Provider 'X'"}));
}

// Notepad's forms: a mark decides; without one, UTF-8 only where the ANSI code page has one
// byte a character or is UTF-8, since text of a double-byte code page is often valid UTF-8.
// The text of a Unicode form is UTF-8 without the mark, U+FFFD for what is no character.
TEST(PlanEncoding, AMarkDecidesAndValidUtf8OnlyWhereTheCodePageCannotBeMistaken) {
  using enum PlanEncoding;
  const struct {
    std::string bytes;
    PlanEncoding in1252Or65001, in932;
    std::string text;
  } rows[] = {
      {"\xFF\376B\0\xFC\0\x3D\xD8\0\xDE\x3D\xD8"s, Utf16Le, Utf16Le, "Bü😀\uFFFD"},
      {"\xFE\xFF\0B\0\xFC\0"s, Utf16Be, Utf16Be, "Bü"},  // an odd last byte is dropped
      {"\xEF\xBB\277B\xC3\xBC\xC0\xAF", Utf8, Utf8, "Bü\uFFFD\uFFFD"},
      {"00:00=B\xC3\xBCro", Utf8, Ansi, "00:00=Büro"},   // UTF-8 without a mark
      {"\xE4\xBD\xA0\xE5\xA5\xBD", Utf8, Ansi, "你好"},  // valid GBK too
      {"00:00=B\xFCro", Ansi, Ansi, ""},                 // 1252
      {"[Werktags]\r\n00:00=Buero", Ansi, Ansi, ""},     // ASCII
      {"x\xC0\xAF", Ansi, Ansi, ""},                     // an overlong "/"
      {"x\xED\xA0\x80", Ansi, Ansi, ""},                 // a surrogate
      {"x\xF4\x90\x80\x80", Ansi, Ansi, ""},             // beyond U+10FFFF
      {"00:00=B\xC3", Ansi, Ansi, ""},                   // cut short
  };
  for (const auto& row : rows) {
    EXPECT_EQ(DecidePlanEncoding(row.bytes, true), row.in1252Or65001) << row.bytes;
    EXPECT_EQ(DecidePlanEncoding(row.bytes, false), row.in932) << row.bytes;
    EXPECT_EQ(row.in1252Or65001 == Ansi ? "" : UnicodePlanText(row.bytes, row.in1252Or65001), row.text);
  }
}

// The rules of GetPrivateProfileString (the same look-ups of the same file through the
// real one are compared under Wine).
TEST(ProfileText, ReadsByTheSystemReadersRules) {
  const ProfileText text(
      "00:00=before any section\n[werktags]\r08:00=DayLine\r\n\t 09:00 \x1A= \"day line\" \n10:00='single'\n"
      "11:00=\"open\n12:00=\n13:00\n08:00=second\n;14:00=comment\n15:00=x\0y\n16:00="s +
      std::string(40000, 'x') +
      "\n[ Wochenende\t] ignored\n08:00='\n[ Werktags ]\n17:00=spaced\n[WERKTAGS]\n18:00=again");
  const struct {
    const char *section, *key, *value;
  } rows[] = {
      {"Werktags", "08:00", "DayLine"},    {"Werktags", "09:00", "day line"}, {"Werktags", "10:00", "single"},
      {"Werktags", "11:00", "\"open"},     {"Werktags", "12:00", ""},         {"Werktags", "13:00", "-"},
      {"Werktags", "14:00", "-"},          {"Werktags", "15:00", "x"},        {"Werktags", "18:00", "-"},
      {" wochenende ", " 08:00\t", "'"},   {" Werktags ", "17:00", "-"},      {"Sonstwo", "08:00", "-"},
      {"", "00:00", "before any section"},
  };
  for (const auto& row : rows) EXPECT_EQ(text.GetString(row.section, row.key, "-"), row.value) << row.key;
  EXPECT_EQ(text.GetString("Werktags", "16:00", ""), std::string(32766, 'x'));
  EXPECT_EQ(ProfileText("[W]\n1=" + std::string(32765, 'x') + "\xF0\x90\x80\x80").GetString("W", "1", ""),
            std::string(32765, 'x'));
}

// Plans as Notepad writes them. Windows' reader takes a UTF-8 mark for bytes of the first
// line (as the fake does); the program reads such plans itself, and leaves UTF-8 without a
// mark to the system where the code page is double-byte. A name the code page cannot hold
// names no entry, even one equal but for case ("Ÿ" is not in the fake code page, "ÿ" is,
// as GBK has "à" but not "À").
TEST_F(Plan, PlansInAUnicodeFormAreReadOnEveryWindows) {
  providerList.AddItem("Büro");
  providerList.AddItem("ÿline");
  const struct {
    std::string file;
    bool singleByte;
    const char *workdayLines, *unknown;
    int systemReads;
  } rows[] = {
      {"\xEF\xBB\xBF[Werktags]\n08:00=Büro\n", true, "08:00 Büro", "", 0},
      {"[Werktags]\n08:00=büro\n09:00=Ÿline\n", true, "08:00 büro", "Ÿline", 0},
      {"[Werktags]\n08:00=büro\n", false, "08:00 büro", "", 2880},
  };
  for (const auto& row : rows) {
    toolkit.boxes.clear();
    profile.reads = 0;
    ansi.singleByte = row.singleByte;
    Rebuild(row.file);
    EXPECT_EQ(Lines(workdayLines), row.workdayLines);
    EXPECT_EQ(
        FirstLinesOfTheReports(),
        *row.unknown ? Texts{"Der für Werktags ab 09:00 Uhr vorgesehene Provider '"s + row.unknown + "'"} : Texts{});
    EXPECT_EQ(profile.reads, row.systemReads);
  }
}

// Before the lists are ready a selection would write nothing; it must not count as
// applied either, or the due connection would wait for the next change of the plan.
// Before the first complete table there is nothing to apply, nor at a time outside the day.
TEST_F(Plan, TheClockWaitsForTheListsAndTheFirstTable) {
  TickAt(kMonday, 8, 0);
  listsReady = false;
  Rebuild("[Werktags]\n08:00=DayLine\n[Wochenende]\n00:00=Weekend\n");
  TickAt(kMonday, 8, 0);
  EXPECT_EQ(clock.readings, 0);
  listsReady = true;
  TickAt(kMonday, 8, 0, 5);
  for (const auto& [hour, minute] : {std::pair{24, 0}, std::pair{-1, 0}, std::pair{0, 60}, std::pair{0, -1}}) {
    TickAt(kSaturday, hour, minute);  // a clock outside the day is ignored
  }
  EXPECT_EQ(selections, Texts{"1 08:00:5 DayLine"});
}

// A week of ticks every five seconds over a realistic plan: the connection changes at
// the first tick of each due minute, and at no other time.
TEST_F(Plan, AWholeWeekSwitchesExactlyAsPlanned) {
  Rebuild(
      "[Werktags]\n00:00=NightLine\n07:30=DayLine\n12:00=dayline\n18:00=EveningLine\n22:00=NightLine\n"
      "[Wochenende]\n10:00=Weekend\n20:00=NightLine\n");
  for (const int weekday : {kMonday, 2, 3, 4, kFriday, kSaturday, kSunday}) {
    for (int second = 0; second < 86400; second += 5) TickAt(weekday, second / 3600, second / 60 % 60, second % 60);
  }
  Texts expected = {"1 00:00:0 NightLine"};
  for (int weekday = kMonday; weekday <= kFriday; ++weekday) {
    // 12:00 names DayLine again and the next midnight NightLine again: both already in force.
    for (const char* change : {" 07:30:0 DayLine", " 18:00:0 EveningLine", " 22:00:0 NightLine"}) {
      expected.push_back(std::to_string(weekday) + change);
    }
  }
  // Weekend mornings before 10:00 carry no wish and keep the night's connection.
  for (const char* change : {"6 10:00:0 Weekend", "6 20:00:0 NightLine", "0 10:00:0 Weekend", "0 20:00:0 NightLine"}) {
    expected.push_back(change);
  }
  EXPECT_EQ(selections, expected);
}

}  // namespace
}  // namespace tarvio::schedule
