// MainForm: start-up, the buttons, closing and the shutdown, and the window's layout.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/main_form_ids.h"
#include "app/main_form_layout.h"
#include "extras/info_form_layout.h"
#include "support/items.h"
#include "support/main_form_harness.h"

namespace tarvio::test {
namespace {

using platform::CloseCause;

class MainForm : public ::testing::Test {
 protected:
  void Load() { ASSERT_TRUE(h.form.Form_Load()); }
  void Click(int index) { h.Main().Click(app::ButtonId(index)); }
  MainFormHarness h;
};

// Clock ticks that arrive while the plan is built select a connection too; start-up
// writes nothing all the same.
TEST_F(MainForm, StartUpFillsEveryListHidesAndWritesNothing) {
  h.toolkit.onYield = [&] { h.Main().Tick(); };
  Load();
  auto& main = h.Main();
  EXPECT_EQ(main.Caption(), "Tarvio");
  EXPECT_EQ(main.Shows(), 0);
  EXPECT_EQ(h.profile.lastFile, "C:\\Programme\\Tarvio\\Provider.INI");
  EXPECT_EQ(Items(h.form.ProviderList), (Texts{"Abendtarif", "Nachttarif", "Tagtarif"}));
  EXPECT_EQ(h.form.ProviderList.ListIndex(), 2);
  EXPECT_EQ(h.form.HangUpDelayList.ListIndex(), 4);  // 300 s shows as 5 min
  EXPECT_EQ(h.form.HangUpUnitList.ListIndex(), 1);
  EXPECT_EQ(Items(h.form.PrvList[0]), Texts{"00:00 Nachttarif"});
  EXPECT_EQ(Items(h.form.PrvList[1]), Texts{"00:00 Abendtarif"});
  EXPECT_TRUE(h.form.ListsReady);
  EXPECT_EQ(h.toolkit.yields, 24);
  EXPECT_TRUE(h.registry.writes.empty());
  EXPECT_TRUE(h.toolkit.boxes.empty());
  const platform::ListControl* lists[] = {&h.form.ProviderList, &h.form.HangUpDelayList, &h.form.HangUpUnitList,
                                          &h.form.PrvList[0], &h.form.PrvList[1]};
  for (int id = app::kProviderListId; id <= app::kWeekendListId; ++id) {
    EXPECT_EQ(main.AttachedList(id), lists[id - app::kProviderListId]) << id;
  }
  // Hooked before the icon is added: the add request names the hooked window (its tip:
  // TheTipChangesWithASwitchOrARebuildOnly).
  EXPECT_EQ(h.hook.procedures[main.Handle()], FakeWindowHook::kSink);
  EXPECT_TRUE(h.notifyIcon.requests.at(0).starts_with("add " + std::to_string(main.Handle()) + " 0 "));
  EXPECT_NE(main.Icon(), 0x7000u);
}

// Its message first, then the running copy is asked to show its window.
TEST_F(MainForm, ASecondInstanceIsRefusedShowsTheRunningOneAndTouchesNothing) {
  h.instance.anotherRunning = true;
  int askedBeforeTheAnswer = -1;
  h.toolkit.onBox = [&] { askedBeforeTheAnswer = h.instance.showRequests; };
  EXPECT_FALSE(h.form.Form_Load());
  EXPECT_EQ(askedBeforeTheAnswer * 10 + h.instance.showRequests, 1);
  ASSERT_EQ(h.toolkit.boxes.size(), 1u);
  EXPECT_EQ(h.toolkit.boxes[0].style, platform::MessageStyle::Exclamation);
  EXPECT_EQ(h.toolkit.boxes[0].owner, 0u);  // there is no window
  EXPECT_TRUE(h.form.Ended());
  EXPECT_TRUE(h.forms.forms.empty());
  EXPECT_TRUE(h.notifyIcon.requests.empty());
  EXPECT_EQ(h.profile.reads, 0);
  EXPECT_EQ(h.form.ProviderList.ListCount() + h.form.HangUpDelayList.ListCount(), 0);
}

// Without its window the program could neither switch nor be reached nor ended.
TEST_F(MainForm, AMainWindowWindowsRefusesEndsTheStartAtOnce) {
  h.forms.refusals = 1;
  EXPECT_FALSE(h.form.Form_Load());
  EXPECT_TRUE(h.form.Ended());
}

// Started with Windows and nobody at the screen: the report of an unknown entry waits
// until start-up is over, owned by the hidden window, and the plan is applied meanwhile.
TEST_F(MainForm, UnknownEntriesAreReportedAfterStartUpWhileTheClockRuns) {
  h.profile.Write("[Werktags]\n00:00=Nachttarif\n[Wochenende]\n00:00=Unbekannt\n");
  bool startUpOver = false;
  std::string writtenWhileAsking;
  h.toolkit.onBox = [&] {
    startUpOver = h.form.ListsReady && !h.Main().Visible() && h.notifyIcon.requests.size() == 1;
    h.Main().Tick();
    writtenWhileAsking = h.InternetProfile();
  };
  Load();
  ASSERT_EQ(h.toolkit.boxes.size(), 1u);
  EXPECT_EQ(h.toolkit.boxes[0].owner, h.Main().Handle());
  EXPECT_TRUE(startUpOver);
  EXPECT_EQ(writtenWhileAsking, "Nachttarif");
}

// The clock's work comes before an icon the taskbar dropped, which is asked for only early
// enough in the minute for the shell's wait to end before the next minute's switch.
TEST_F(MainForm, TheClockAppliesThePlanHiddenOrNot) {
  h.notifyIcon.busyRequests = 1;  // the taskbar drops the add at logon
  Load();
  EXPECT_TRUE(h.notifyIcon.icons.empty());
  std::string writtenBeforeTheIcon;
  h.notifyIcon.onRequest = [&] { writtenBeforeTheIcon = h.InternetProfile(); };
  h.Main().Tick();
  EXPECT_EQ(h.notifyIcon.icons.size(), 1u);
  EXPECT_EQ(writtenBeforeTheIcon, "Nachttarif");
  h.notifyIcon.busyRequests = 1;
  h.hook.Send(h.Main().Handle(), h.notifyIcon.NewTaskbar());
  for (const int second : {50, 49}) {
    h.clock.now.second = second;
    h.Main().Tick();
    EXPECT_EQ(h.notifyIcon.icons.size(), second < 50 ? 1u : 0u) << second;
  }
  EXPECT_EQ(h.registry.writes,
            (Texts{"HKCU\\remoteaccess\\InternetProfile=Nachttarif", "HKCU\\remoteaccess\\Default=Nachttarif",
                   "HKCU\\Software\\Microsoft\\RAS Autodial\\Default\\DefaultInternet=Nachttarif"}));
  h.clock.now.weekday = 6;  // Saturday: the weekend plan
  h.Main().Tick();
  EXPECT_EQ(h.InternetProfile(), "Abendtarif");
  EXPECT_EQ(h.registry.writes.size(), 6u);
}

// A standard user may not write the machine's settings: what Windows refused is not
// shown as stored, a refused switch is tried at every tick until Windows takes it, and
// a refused idle time is told once per choice, restoring the lists storing nothing.
TEST_F(MainForm, WhatWindowsRefusesIsTriedAgainOrTakenBackNeverShownAsStored) {
  Load();
  h.registry.readOnly = true;
  h.Main().Tick();
  h.Main().Tick();
  EXPECT_EQ(h.registry.refused, 6);               // one attempt a tick, at each of the three places
  EXPECT_EQ(h.form.ProviderList.ListIndex(), 2);  // the stored Tagtarif, not the due Nachttarif
  h.form.HangUpDelayList.SetListIndex(44);
  h.form.HangUpUnitList.SetListIndex(0);
  EXPECT_EQ(h.registry.refused, 8);
  EXPECT_EQ(h.form.HangUpDelayList.ListIndex() * 10 + h.form.HangUpUnitList.ListIndex(), 41);  // 5 min again
  ASSERT_EQ(h.toolkit.boxes.size(), 2u);                                                       // one a refused choice
  EXPECT_EQ(h.toolkit.boxes[1].owner, h.Main().Handle());
  EXPECT_EQ(h.toolkit.boxes[1].style, platform::MessageStyle::Exclamation);
  h.registry.readOnly = false;
  h.Main().Tick();
  h.Main().Tick();
  EXPECT_EQ(h.registry.writes.size(), 3u);  // taken once, then counted as applied
}

TEST_F(MainForm, TheIconShowsTheWindowAndHidingKeepsEverything) {
  Load();
  const auto window = h.Main().Handle();
  EXPECT_EQ(h.hook.Send(window, 1024, 0, 514), 0);
  EXPECT_FALSE(h.Main().Visible());
  h.hook.Send(window, 1024, 0, 513);
  h.hook.Send(window, 1024, 0, 516);
  EXPECT_TRUE(h.Main().Visible());
  EXPECT_EQ(h.Main().Shows(), 2);
  Click(app::kBtnHide);
  EXPECT_FALSE(h.Main().Visible());
  h.Main().Show();
  h.Main().RequestClose(CloseCause::TitleBar);
  EXPECT_FALSE(h.Main().Visible());
  EXPECT_TRUE(h.Main().Loaded());
}

// The tip tells the connection shown and the plan's next change, with its weekday when
// it is a day or more away; the product name alone without a plan or a known connection.
TEST(MainFormTip, TellsWhatIsDueNext) {
  constexpr const char* kPlan = "[Werktags]\n08:00=Tagtarif\n18:00=Abendtarif\n[Wochenende]\n10:00=Nachttarif\n";
  constexpr const char* kEvenings = "[Werktags]\n18:00=Abendtarif\n[Wochenende]\n18:00=Nachttarif\n";
  const struct {
    const char* plan;
    platform::LocalTime now;
    const char* stored;
    const char* tip;
  } rows[] = {{kPlan, {2, 0, 30, 0}, "Nachttarif", "Tarvio: Nachttarif, ab 08:00 Tagtarif"},
              {kPlan, {5, 18, 30, 0}, "Abendtarif", "Tarvio: Abendtarif, ab 10:00 Nachttarif"},
              {kPlan, {6, 10, 30, 0}, "Nachttarif", "Tarvio: Nachttarif, ab Mo 08:00 Tagtarif"},
              {kEvenings, {5, 18, 0, 0}, "Abendtarif", "Tarvio: Abendtarif, ab Sa 18:00 Nachttarif"},  // 24 h ahead
              {"[Werktags]\n08:00=Tagtarif\n", {2, 9, 0, 0}, "Tagtarif", "Tarvio: Tagtarif"},
              {kPlan, {2, 8, 30, 0}, "Firmennetz", "Tarvio"},
              {"[Werktags]\n[Wochenende]\n", {2, 8, 30, 0}, "Tagtarif", "Tarvio"}};
  for (const auto& row : rows) {
    MainFormHarness h;
    h.profile.Write(row.plan);
    h.clock.now = row.now;
    h.registry.values["HKCU\\remoteaccess\\InternetProfile"] = row.stored;
    ASSERT_TRUE(h.form.Form_Load());
    EXPECT_EQ(h.notifyIcon.requests.at(0),
              "add " + std::to_string(h.Main().Handle()) + " 0 " + std::to_string(h.Main().Icon()) + " " + row.tip);
  }
}

// The shell hears of the tip at a switch and after a rebuild, and only when it changed: an
// idle tick asks nothing. A change the shell refuses is asked for again at the next tick.
TEST_F(MainForm, TheTipChangesWithASwitchOrARebuildOnly) {
  Load();  // Tuesday 08:00, Tagtarif stored, Nachttarif due
  const std::string icon = std::to_string(h.Main().Handle()) + " 0 " + std::to_string(h.Main().Icon()) + " Tarvio: ";
  h.Main().Tick();
  EXPECT_EQ(h.notifyIcon.requests.size(), 2u);  // the switch's tip
  h.Main().Tick();
  Click(app::kBtnRebuild);
  h.Main().Tick();  // applies Nachttarif again: the same tip
  h.profile.Write("[Werktags]\n00:00=Nachttarif\n18:00=Tagtarif\n");
  h.notifyIcon.busyRequests = 1;
  Click(app::kBtnRebuild);
  EXPECT_EQ(h.notifyIcon.requests.size(), 3u);  // asked at once, not at the next tick
  h.Main().Tick();
  const std::string last = "Nachttarif, ab 18:00 Tagtarif";
  EXPECT_EQ(h.notifyIcon.requests, (Texts{"add " + icon + "Tagtarif, ab 08:00 Nachttarif",
                                          "modify " + icon + "Nachttarif, ab Sa 00:00 Abendtarif",
                                          "modify " + icon + last, "add " + icon + last, "modify " + icon + last}));
}

TEST_F(MainForm, EndAsksFirstAndEndsOnlyOnYes) {
  Load();
  h.Main().Show();
  const auto window = h.Main().Handle();
  h.toolkit.answer = platform::Answer::No;
  Click(app::kBtnEnd);
  ASSERT_EQ(h.toolkit.boxes.size(), 1u);
  EXPECT_EQ(h.toolkit.boxes[0].style, platform::MessageStyle::YesNoQuestionNoFirst);
  EXPECT_EQ(h.toolkit.boxes[0].owner, window);  // holds the window while it asks
  EXPECT_TRUE(h.Main().Visible());
  EXPECT_FALSE(h.form.Ended());
  Click(app::kBtnInfo);
  h.toolkit.answer = platform::Answer::Yes;
  Click(app::kBtnEnd);
  EXPECT_TRUE(h.form.Ended());
  // The info dialog outlives the main window; the program runs until it is closed.
  EXPECT_TRUE(h.forms.forms[1]->Visible());
  EXPECT_EQ(h.forms.openForms, 1);
  // The icon goes with the window and identifier of its add request, then the hook.
  EXPECT_EQ(h.notifyIcon.requests.back(),
            "delete " + std::to_string(window) + " 0 " + std::to_string(tray::kDeleteRequestIcon) + " ");
  EXPECT_EQ(h.hook.procedures[window], kOriginalProcedure);
  h.Main().Tick();  // nothing runs after the end, nothing is restored
  EXPECT_TRUE(h.registry.writes.empty());
}

TEST_F(MainForm, InfoHelpAndTheEditorOpenTheirDocuments) {
  Load();
  Click(app::kBtnInfo);
  Click(app::kBtnInfo);
  Click(app::kBtnHelp);
  Click(app::kBtnEditPlan);
  for (const int index : {0, 1, 7, 8, 9, 11, -1}) Click(index);  // no such buttons
  ASSERT_EQ(h.forms.forms.size(), 2u);                           // one info dialog, however often asked for
  EXPECT_EQ(h.forms.forms[1]->Shows(), 2);
  EXPECT_EQ(h.shell.opened, Texts{std::to_string(h.Main().Handle()) + " C:\\Programme\\Tarvio\\hilfe.htm (10)"});
  EXPECT_EQ(h.shell.started, Texts{"notepad.exe: notepad.exe C:\\Programme\\Tarvio\\Provider.INI (1)"});
  EXPECT_TRUE(h.toolkit.boxes.empty());
}

// A rebuild's reports come when its table is in force; the clock applies that table
// while a report waits for its answer. The connection list is not filled again.
TEST_F(MainForm, RebuildReadsThePlanAgainAndTheClockAppliesItAtOnce) {
  Load();
  h.Main().Tick();
  h.profile.Write("[Werktags]\n07:00=Unbekannt\n08:00=Abendtarif\n");
  std::string writtenWhileAsking;
  h.toolkit.onBox = [&] {
    h.Main().Tick();
    writtenWhileAsking = h.InternetProfile();
  };
  Click(app::kBtnRebuild);
  EXPECT_EQ(Items(h.form.PrvList[0]), Texts{"08:00 Abendtarif"});
  ASSERT_EQ(h.toolkit.boxes.size(), 1u);
  EXPECT_EQ(h.toolkit.boxes[0].owner, h.Main().Handle());
  EXPECT_EQ(writtenWhileAsking, "Abendtarif");
  EXPECT_EQ(h.form.ProviderList.ListCount(), 3);
  h.registry.writes.clear();
  h.toolkit.onBox = nullptr;
  Click(app::kBtnRebuild);
  EXPECT_EQ(h.form.Plan().CurrentPlanIndex, -1);
  h.Main().Tick();  // due again, though selected
  EXPECT_EQ(h.registry.writes.size(), 3u);
}

// The rebuild goes on filling the lists after a yield: an unload asked for meanwhile
// waits until it is done; a close from the title bar only hides.
TEST_F(MainForm, AnUnloadDuringARebuildWaitsUntilTheRebuildIsDone) {
  Load();
  h.Main().Show();
  h.toolkit.answer = platform::Answer::Yes;
  h.profile.Write("[Werktags]\n23:00=Tagtarif\n");
  Texts loadedAtYields;
  h.toolkit.onYield = [&] {
    if (h.toolkit.yields == 26) h.Main().RequestClose(CloseCause::TitleBar);
    if (h.toolkit.yields == 27) h.Main().RequestClose(CloseCause::SessionEnding);
    if (h.toolkit.yields == 28) Click(app::kBtnEnd);
    if (h.toolkit.yields == 29) Click(app::kBtnRebuild);
    loadedAtYields.push_back(h.Main().Loaded() ? "loaded" : "gone");
  };
  Click(app::kBtnRebuild);
  EXPECT_EQ(loadedAtYields, Texts(24, "loaded"));
  EXPECT_EQ(Items(h.form.PrvList[0]), Texts{"23:00 Tagtarif"});
  EXPECT_FALSE(h.Main().Loaded());
  EXPECT_EQ(h.notifyIcon.requests.size(), 2u);
}

// The end of the session must not wait for somebody to answer the reports: the table is
// complete, so the unload goes ahead at once and the reports not shown yet are dropped.
TEST_F(MainForm, AnUnloadDuringTheReportsEndsAtOnce) {
  h.profile.Write("[Werktags]\n01:00=Unbekannt\n02:00=Nirgends\n");
  h.toolkit.onBox = [&] { h.Main().RequestClose(CloseCause::SessionEnding); };
  EXPECT_FALSE(h.form.Form_Load());
  EXPECT_EQ(h.toolkit.boxes.size(), 1u);
  EXPECT_EQ(h.notifyIcon.requests.size(), 2u);
}

// What the windows' tables promise beyond their pixels, which the end-to-end scenarios
// check: every control its own id and its own place in the tab order, and only the
// connection list disabled.
TEST(Layout, IdsAndTabPlacesAreUniqueAndOnlyTheConnectionListIsDisabled) {
  for (const platform::FormSpec& form : {app::MainFormLayout(), extras::InfoFormLayout()}) {
    std::set<int> ids, tabPlaces;
    for (const platform::ControlSpec& c : form.controls) {
      EXPECT_TRUE(ids.insert(c.id).second) << c.id;
      EXPECT_TRUE(c.tabIndex < 0 || tabPlaces.insert(c.tabIndex).second) << c.id;
      EXPECT_EQ(c.disabled, c.id == app::kProviderListId) << c.id;
    }
  }
}

}  // namespace
}  // namespace tarvio::test
