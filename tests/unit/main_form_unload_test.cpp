#include <gtest/gtest.h>

#include "app/main_form_ids.h"
#include "unit/main_form_harness.h"

namespace tarvio::test {
namespace {

struct CloseCase {
  int mode;
  bool staysLoaded;
};

class MainFormClose : public ::testing::TestWithParam<CloseCase> {};

TEST_P(MainFormClose, OnlyTheTitleBarIsRefusedAndHides) {
  MainFormHarness h;
  h.SeedDemo();
  ASSERT_TRUE(h.Load());
  h.Main().Show();
  const auto window = h.Main().Handle();
  h.Main().RequestClose(GetParam().mode);
  EXPECT_TRUE(h.toolkit.boxes.empty());  // nothing is asked
  if (GetParam().staysLoaded) {
    EXPECT_TRUE(h.Main().Loaded());
    EXPECT_FALSE(h.Main().Visible());
    EXPECT_EQ(h.notifyIcon.requests.size(), 1u);
    EXPECT_FALSE(h.form.Ended());
  } else {
    EXPECT_FALSE(h.Main().Loaded());
    EXPECT_TRUE(h.form.Ended());
    ASSERT_EQ(h.notifyIcon.requests.size(), 2u);
    EXPECT_EQ(h.notifyIcon.requests[1].code, 2u);
    EXPECT_EQ(h.hook.procedures[window], kOriginalProcedure);
  }
  EXPECT_EQ(h.registry.writes, 0);
}

INSTANTIATE_TEST_SUITE_P(UnloadModes, MainFormClose,
                         ::testing::Values(CloseCase{0, true}, CloseCase{1, false}, CloseCase{2, false},
                                           CloseCase{3, false}, CloseCase{4, false}));

TEST(MainFormUnload, DuringARebuildWaitsUntilTheRebuildIsDone) {
  MainFormHarness h;
  h.SeedDemo();
  h.profile.plan["Werktags"]["23:00"] = "Tagtarif";
  ASSERT_TRUE(h.Load());
  h.Main().Show();
  int yields = 0;
  bool loadedAfterRequest = false;
  h.toolkit.onYield = [&] {
    if (++yields == 3) {
      h.Main().RequestClose(platform::kCloseSessionEnding);
      loadedAfterRequest = h.Main().Loaded();
    }
  };
  h.Main().Click(app::ButtonId(app::kBtnRebuild));
  EXPECT_TRUE(loadedAfterRequest);
  EXPECT_EQ(yields, 24);  // the rebuild ran to its end
  ASSERT_EQ(h.form.PrvList[0].ListCount(), 2);
  EXPECT_EQ(h.form.PrvList[0].List(1), "23:00 Tagtarif");
  // ...and then the unload was carried out.
  EXPECT_FALSE(h.Main().Loaded());
  EXPECT_TRUE(h.form.Ended());
  ASSERT_EQ(h.notifyIcon.requests.size(), 2u);
  EXPECT_EQ(h.notifyIcon.requests[1].code, 2u);
}

TEST(MainFormUnload, EndConfirmedDuringARebuildIsDeferredToo) {
  MainFormHarness h;
  h.SeedDemo();
  ASSERT_TRUE(h.Load());
  h.Main().Show();
  h.toolkit.answer = platform::kIdYes;
  int yields = 0;
  h.toolkit.onYield = [&] {
    if (++yields == 1) h.Main().Click(app::ButtonId(app::kBtnEnd));
    EXPECT_TRUE(h.Main().Loaded());
  };
  h.Main().Click(app::ButtonId(app::kBtnRebuild));
  EXPECT_EQ(yields, 24);
  EXPECT_FALSE(h.Main().Loaded());
  EXPECT_EQ(h.forms.OpenForms(), 0);
}

TEST(MainFormUnload, TitleBarCloseDuringARebuildOnlyHides) {
  MainFormHarness h;
  h.SeedDemo();
  ASSERT_TRUE(h.Load());
  h.Main().Show();
  h.toolkit.onYield = [&] { h.Main().RequestClose(platform::kCloseFromTitleBar); };
  h.Main().Click(app::ButtonId(app::kBtnRebuild));
  EXPECT_TRUE(h.Main().Loaded());
  EXPECT_FALSE(h.Main().Visible());
  EXPECT_FALSE(h.form.Ended());
}

// The end of the session must not wait for somebody to answer the reports: the table is
// complete, so the unload goes ahead at once and the reports not shown yet are dropped.
TEST(MainFormUnload, DuringTheReportsEndsAtOnce) {
  MainFormHarness h;
  h.SeedDemo();
  h.profile.plan["Werktags"]["01:00"] = "Unbekannt";
  h.profile.plan["Werktags"]["02:00"] = "Nirgends";
  h.toolkit.onBox = [&] { h.Main().RequestClose(platform::kCloseSessionEnding); };
  EXPECT_FALSE(h.Load());
  EXPECT_EQ(h.toolkit.boxes.size(), 1u);
  EXPECT_FALSE(h.Main().Loaded());
  ASSERT_EQ(h.notifyIcon.requests.size(), 2u);
  EXPECT_EQ(h.notifyIcon.requests[1].code, 2u);
}

TEST(MainFormUnload, InfoDialogOutlivesTheMainWindow) {
  MainFormHarness h;
  h.SeedDemo();
  ASSERT_TRUE(h.Load());
  h.Main().Click(app::ButtonId(app::kBtnInfo));
  h.toolkit.answer = platform::kIdYes;
  h.Main().Click(app::ButtonId(app::kBtnEnd));
  EXPECT_FALSE(h.Main().Loaded());
  ASSERT_EQ(h.forms.forms.size(), 2u);
  EXPECT_TRUE(h.forms.forms[1]->Visible());
  EXPECT_EQ(h.forms.OpenForms(), 1);  // the program runs until the dialog is closed
  h.forms.forms[1]->RequestClose(platform::kCloseFromTitleBar);
  EXPECT_EQ(h.forms.OpenForms(), 0);
}

TEST(MainFormUnload, TicksAfterTheEndWriteNothing) {
  MainFormHarness h;
  h.SeedDemo();
  ASSERT_TRUE(h.Load());
  h.Main().RequestClose(platform::kCloseByTaskManager);
  h.Main().Tick();
  EXPECT_EQ(h.registry.writes, 0);
}

}  // namespace
}  // namespace tarvio::test
