#include <gtest/gtest.h>

#include "app/main_form_ids.h"
#include "app/main_form_texts.h"
#include "unit/main_form_harness.h"

namespace tarvio::test {
namespace {

class MainFormButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    h.SeedDemo();
    ASSERT_TRUE(h.Load());
    h.Main().Show();
  }
  void Click(int index) { h.Main().Click(app::ButtonId(index)); }
  MainFormHarness h;
};

TEST_F(MainFormButtons, HideHidesAndKeepsEverything) {
  Click(app::kBtnHide);
  EXPECT_FALSE(h.Main().Visible());
  EXPECT_TRUE(h.Main().Loaded());
  EXPECT_EQ(h.notifyIcon.requests.size(), 1u);
  h.clock.now.hour = 9;
  h.Main().Tick();  // the clock runs on while hidden
  EXPECT_EQ(h.InternetProfile(), "Nachttarif");
}

TEST_F(MainFormButtons, EndAnsweredNoKeepsRunning) {
  h.toolkit.answer = platform::kIdNo;
  Click(app::kBtnEnd);
  ASSERT_EQ(h.toolkit.boxes.size(), 1u);
  EXPECT_EQ(h.toolkit.boxes[0].text,
            "Wenn Sie Tarvio jetzt beenden, können Ihre Internetverbindungen nicht mehr überwacht werden!\r\r"
            "Soll Tarvio wirklich beendet werden?");
  EXPECT_EQ(h.toolkit.boxes[0].style, 292);
  EXPECT_EQ(h.toolkit.boxes[0].title, "Tarvio");
  EXPECT_EQ(h.toolkit.boxes[0].owner, h.Main().Handle());  // holds the window while it asks
  EXPECT_TRUE(h.Main().Visible());
  EXPECT_FALSE(h.form.Ended());
  EXPECT_EQ(h.notifyIcon.requests.size(), 1u);
}

TEST_F(MainFormButtons, EndAnsweredYesRemovesTheIconThenUnhooks) {
  const auto window = h.Main().Handle();
  h.toolkit.answer = platform::kIdYes;
  Click(app::kBtnEnd);
  EXPECT_TRUE(h.form.Ended());
  EXPECT_FALSE(h.Main().Loaded());
  EXPECT_EQ(h.forms.OpenForms(), 0);
  ASSERT_EQ(h.notifyIcon.requests.size(), 2u);
  EXPECT_EQ(h.notifyIcon.requests[1].code, 2u);
  EXPECT_EQ(h.notifyIcon.requests[1].record.uID, 0u);
  EXPECT_EQ(h.notifyIcon.requests[1].record.hWnd, window);
  EXPECT_EQ(h.hook.procedures[window], kOriginalProcedure);
  // Ending restores nothing.
  EXPECT_EQ(h.registry.writes, 0);
}

TEST_F(MainFormButtons, InfoShowsOneDialogHowOftenItIsPressed) {
  Click(app::kBtnInfo);
  Click(app::kBtnInfo);
  ASSERT_EQ(h.forms.forms.size(), 2u);
  EXPECT_TRUE(h.forms.forms[1]->Visible());
  EXPECT_EQ(h.forms.forms[1]->Caption(), "Info über Tarvio");
}

TEST_F(MainFormButtons, EditPlanStartsTheEditorOnThePlanFile) {
  Click(app::kBtnEditPlan);
  ASSERT_EQ(h.shell.started.size(), 1u);
  EXPECT_EQ(h.shell.started[0].commandLine, "notepad.exe C:\\Programme\\Tarvio\\Provider.INI");
  EXPECT_EQ(h.shell.started[0].windowStyle, 1);
  EXPECT_TRUE(h.toolkit.boxes.empty());
}

TEST_F(MainFormButtons, HelpOpensTheHelpPageWithoutConfirmation) {
  Click(app::kBtnHelp);
  ASSERT_EQ(h.shell.opened.size(), 1u);
  EXPECT_EQ(h.shell.opened[0].file, "C:\\Programme\\Tarvio\\hilfe.htm");
  EXPECT_EQ(h.shell.opened[0].owner, h.Main().Handle());
  EXPECT_EQ(h.shell.opened[0].showCommand, 10);
  EXPECT_TRUE(h.toolkit.boxes.empty());
}

TEST_F(MainFormButtons, RebuildReadsThePlanAgainAndTheNextTickAppliesIt) {
  h.Main().Tick();
  EXPECT_EQ(h.InternetProfile(), "Nachttarif");
  h.profile.plan["Werktags"]["08:00"] = "Abendtarif";
  Click(app::kBtnRebuild);
  EXPECT_EQ(h.form.Plan().CurrentPlanIndex, -1);
  ASSERT_EQ(h.form.PrvList[0].ListCount(), 2);
  EXPECT_EQ(h.form.PrvList[0].List(1), "08:00 Abendtarif");
  h.Main().Tick();
  EXPECT_EQ(h.InternetProfile(), "Abendtarif");
  // The connection list is not filled again.
  EXPECT_EQ(h.form.ProviderList.ListCount(), 3);
}

// The reports of a rebuild come when its table is in force; the clock applies that table
// while a report waits for its answer.
TEST_F(MainFormButtons, RebuildReportsUnknownEntriesWhileTheClockAppliesTheNewPlan) {
  h.Main().Tick();
  h.profile.plan["Werktags"]["08:00"] = "Abendtarif";
  h.profile.plan["Werktags"]["07:00"] = "Unbekannt";
  std::string writtenWhileAsking;
  h.toolkit.onBox = [&] {
    h.Main().Tick();
    writtenWhileAsking = h.InternetProfile();
  };
  Click(app::kBtnRebuild);
  ASSERT_EQ(h.toolkit.boxes.size(), 1u);
  EXPECT_EQ(h.toolkit.boxes[0].owner, h.Main().Handle());
  EXPECT_EQ(writtenWhileAsking, "Abendtarif");
}

TEST_F(MainFormButtons, OtherIndicesDoNothing) {
  for (int index : {0, 1, 7, 8, 9, 11, -1}) {
    Click(index);
  }
  EXPECT_TRUE(h.toolkit.boxes.empty());
  EXPECT_TRUE(h.shell.started.empty());
  EXPECT_TRUE(h.shell.opened.empty());
  EXPECT_TRUE(h.Main().Visible());
  EXPECT_EQ(h.forms.forms.size(), 1u);
  EXPECT_EQ(h.registry.writes, 0);
}

}  // namespace
}  // namespace tarvio::test
