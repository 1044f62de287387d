#include <gtest/gtest.h>

#include "app/main_form_ids.h"
#include "app/main_form_texts.h"
#include "unit/main_form_harness.h"

namespace tarvio::test {
namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;

TEST(MainFormStartUp, FillsEveryListAndHidesTheWindow) {
  MainFormHarness h;
  h.SeedDemo();
  ASSERT_TRUE(h.Load());

  auto& main = h.Main();
  EXPECT_EQ(main.Caption(), "Tarvio");
  EXPECT_FALSE(main.Visible());
  EXPECT_EQ(main.Shows(), 0);
  EXPECT_EQ(h.form.IniFilePath(), "C:\\Programme\\Tarvio\\Provider.INI");
  EXPECT_EQ(h.profile.lastFile, "C:\\Programme\\Tarvio\\Provider.INI");

  ASSERT_EQ(h.form.ProviderList.ListCount(), 3);
  EXPECT_EQ(h.form.ProviderList.List(0), "Abendtarif");
  EXPECT_EQ(h.form.ProviderList.List(2), "Tagtarif");
  EXPECT_EQ(h.form.ProviderList.ListIndex(), 2);
  EXPECT_EQ(h.form.HangUpDelayList.ListCount(), 90);
  EXPECT_EQ(h.form.HangUpDelayList.ListIndex(), 4);  // 300 s shows as 5 min
  EXPECT_EQ(h.form.HangUpUnitList.ListIndex(), 1);
  EXPECT_EQ(h.form.PrvList[0].List(0), "00:00 Nachttarif");
  EXPECT_EQ(h.form.PrvList[1].List(0), "00:00 Abendtarif");
  EXPECT_EQ(h.form.ListsReady, -1);

  // The window shows the lists it owns.
  EXPECT_EQ(main.AttachedList(app::kProviderListId), &h.form.ProviderList);
  EXPECT_EQ(main.AttachedList(app::kHangUpDelayListId), &h.form.HangUpDelayList);
  EXPECT_EQ(main.AttachedList(app::kHangUpUnitListId), &h.form.HangUpUnitList);
  EXPECT_EQ(main.AttachedList(app::kWorkdayListId), &h.form.PrvList[0]);
  EXPECT_EQ(main.AttachedList(app::kWeekendListId), &h.form.PrvList[1]);
}

TEST(MainFormStartUp, HooksTheWindowBeforeAddingTheIcon) {
  MainFormHarness h;
  h.SeedDemo();
  ASSERT_TRUE(h.Load());

  auto& main = h.Main();
  EXPECT_EQ(h.hook.procedures[main.Handle()], platform::portable::RecordingWindowHook::kSinkProcedure);
  ASSERT_EQ(h.notifyIcon.requests.size(), 1u);
  const auto& add = h.notifyIcon.requests[0];
  EXPECT_EQ(add.code, 0u);
  // Added after the hook: the request names the hooked window as the receiver.
  EXPECT_EQ(add.record.hWnd, main.Handle());
  EXPECT_EQ(add.record.uID, 0u);
  EXPECT_EQ(add.record.hIcon, main.Icon());
  EXPECT_NE(add.record.hIcon, 0u);
  EXPECT_STREQ(add.record.szTip.data(), "Tarvio");
}

TEST(MainFormStartUp, WritesNothingToTheRegistry) {
  MainFormHarness h;
  h.SeedDemo();
  // Clock ticks that arrive while the plan is built select a connection too.
  h.toolkit.onYield = [&] {
    if (!h.forms.forms.empty()) h.Main().Tick();
  };
  ASSERT_TRUE(h.Load());
  EXPECT_GT(h.toolkit.yields, 0);
  EXPECT_EQ(h.registry.writes, 0);
  EXPECT_EQ(h.InternetProfile(), "Tagtarif");
  EXPECT_EQ(h.Value(kHkeyLocalMachine, dialup::kIcsGeneralKey, dialup::kHangupTimerValue), "300");
  EXPECT_EQ(h.Value(kHkeyCurrentUser, dialup::kRemoteAccessKey, dialup::kDefaultValue), "<none>");
  EXPECT_EQ(h.Value(kHkeyCurrentUser, dialup::kAutodialDefaultKey, dialup::kDefaultInternetValue), "<none>");
  EXPECT_EQ(h.Value(kHkeyLocalMachine, dialup::kAutodialDefaultKey, dialup::kDefaultInternetValue), "<none>");
}

TEST(MainFormStartUp, OffersThePhonebookEntriesAndSelectsTheUsersDefaultInternet) {
  MainFormHarness h;
  h.AddEntry("Tagtarif");
  h.phonebook.entries = {"TAGTARIF", "Mobilfunk", "Büro-ISDN"};
  h.SetValue(kHkeyCurrentUser, dialup::kAutodialDefaultKey, dialup::kDefaultInternetValue, "mobilfunk");
  h.SetValue(kHkeyLocalMachine, dialup::kAutodialDefaultKey, dialup::kDefaultInternetValue, "Tagtarif");
  ASSERT_TRUE(h.Load());
  ASSERT_EQ(h.form.ProviderList.ListCount(), 3);
  EXPECT_EQ(h.form.ProviderList.List(0), "Büro-ISDN");
  EXPECT_EQ(h.form.ProviderList.List(1), "Mobilfunk");
  EXPECT_EQ(h.form.ProviderList.List(2), "Tagtarif");
  EXPECT_EQ(h.form.ProviderList.ListIndex(), 1);
  EXPECT_EQ(h.registry.writes, 0);
}

TEST(MainFormStartUp, SecondInstanceIsRefusedAndTouchesNothing) {
  MainFormHarness h;
  h.SeedDemo();
  h.instance.anotherRunning = true;
  EXPECT_FALSE(h.Load());

  ASSERT_EQ(h.toolkit.boxes.size(), 1u);
  EXPECT_EQ(h.toolkit.boxes[0].text, "Tarvio wird bereits ausgeführt.");
  EXPECT_EQ(h.toolkit.boxes[0].style, 48);
  EXPECT_EQ(h.toolkit.boxes[0].title, "Tarvio");
  EXPECT_EQ(h.toolkit.boxes[0].owner, 0u);  // there is no window
  EXPECT_TRUE(h.form.Ended());
  EXPECT_TRUE(h.forms.forms.empty());
  EXPECT_TRUE(h.notifyIcon.requests.empty());
  EXPECT_EQ(h.hook.procedureChanges, 0);
  EXPECT_EQ(h.profile.reads, 0);
  EXPECT_EQ(h.registry.writes, 0);
  EXPECT_EQ(h.form.ProviderList.ListCount(), 0);
}

TEST(MainFormStartUp, FirstTickAfterStartUpWritesTheDueConnection) {
  MainFormHarness h;
  h.SeedDemo();
  ASSERT_TRUE(h.Load());
  h.SetValue(kHkeyLocalMachine, dialup::kAutodialDefaultKey, dialup::kDefaultInternetValue, "Firmennetz");
  h.Main().Tick();
  using Written = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(h.registry.written,
            (Written{{"InternetProfile", "Nachttarif"}, {"Default", "Nachttarif"}, {"DefaultInternet", "Nachttarif"}}));
  EXPECT_EQ(h.InternetProfile(), "Nachttarif");
  EXPECT_EQ(h.Value(kHkeyCurrentUser, dialup::kRemoteAccessKey, dialup::kDefaultValue), "Nachttarif");
  EXPECT_EQ(h.Value(kHkeyCurrentUser, dialup::kAutodialDefaultKey, dialup::kDefaultInternetValue), "Nachttarif");
  h.clock.now.weekday = 6;  // Saturday: the weekend plan
  h.Main().Tick();
  EXPECT_EQ(h.InternetProfile(), "Abendtarif");
  EXPECT_EQ(h.Value(kHkeyCurrentUser, dialup::kAutodialDefaultKey, dialup::kDefaultInternetValue), "Abendtarif");
  EXPECT_EQ(h.Value(kHkeyLocalMachine, dialup::kAutodialDefaultKey, dialup::kDefaultInternetValue), "Firmennetz");
}

// Started with Windows and nobody at the screen: the report of an unknown entry waits
// until start-up is over, owned by the hidden window, and the plan is applied meanwhile.
TEST(MainFormStartUp, UnknownEntriesAreReportedAfterStartUpWhileTheClockRuns) {
  MainFormHarness h;
  h.SeedDemo();
  h.profile.plan["Wochenende"]["00:00"] = "Unbekannt";
  bool startUpOver = false;
  std::string writtenWhileAsking;
  h.toolkit.onBox = [&] {
    startUpOver = h.form.ListsReady != 0 && !h.Main().Visible() && h.notifyIcon.requests.size() == 1;
    h.Main().Tick();
    writtenWhileAsking = h.InternetProfile();
  };
  ASSERT_TRUE(h.Load());
  ASSERT_EQ(h.toolkit.boxes.size(), 1u);
  EXPECT_EQ(h.toolkit.boxes[0].owner, h.Main().Handle());
  EXPECT_TRUE(startUpOver);
  EXPECT_EQ(writtenWhileAsking, "Nachttarif");
}

TEST(MainFormStartUp, TrayClickShowsTheHiddenWindow) {
  MainFormHarness h;
  h.SeedDemo();
  ASSERT_TRUE(h.Load());
  const auto window = h.Main().Handle();
  EXPECT_EQ(h.hook.Send(window, 1024, 0, 514), 0);
  EXPECT_FALSE(h.Main().Visible());
  h.hook.Send(window, 1024, 0, 513);
  EXPECT_TRUE(h.Main().Visible());
  h.hook.Send(window, 1024, 0, 516);
  EXPECT_TRUE(h.Main().Visible());
  EXPECT_EQ(h.Main().Shows(), 2);
}

TEST(MainFormStartUp, HangUpChoiceWritesSecondsOnceReady) {
  MainFormHarness h;
  h.SeedDemo();
  ASSERT_TRUE(h.Load());
  h.form.HangUpDelayList.SetListIndex(44);  // 45
  h.form.HangUpUnitList.SetListIndex(0);    // sek
  EXPECT_EQ(h.Value(kHkeyLocalMachine, dialup::kIcsGeneralKey, dialup::kHangupTimerValue), "45");
  h.form.HangUpUnitList.SetListIndex(1);  // min
  EXPECT_EQ(h.Value(kHkeyLocalMachine, dialup::kIcsGeneralKey, dialup::kHangupTimerValue), "2700");
}

}  // namespace
}  // namespace tarvio::test
