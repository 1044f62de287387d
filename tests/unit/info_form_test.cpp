#include "extras/info_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "extras/documents.h"
#include "extras/info_form_layout.h"
#include "extras/version_suffix.h"
#include "platform/portable/fixed_program_info.h"
#include "platform/portable/headless_form.h"
#include "platform/portable/headless_screen.h"
#include "platform/portable/headless_toolkit.h"
#include "platform/portable/recording_shell.h"

namespace tarvio::extras {
namespace {

using Opened = platform::portable::RecordingShell::Opened;

class InfoFormTest : public testing::Test {
 protected:
  platform::portable::HeadlessForm& Window() { return *factory.forms.back(); }

  platform::portable::HeadlessFormFactory factory;
  platform::portable::HeadlessScreen screen;
  platform::portable::RecordingShell shell;
  platform::portable::FixedProgramInfo program;  // version 1.0.0.203
  platform::portable::HeadlessToolkit toolkit;
  Documents documents{shell, program, toolkit};
  InfoForm info{factory, screen, documents, program, {"hilfe@beispiel.example", "www.beispiel.example/new.htm"}};
};

TEST(VersionSuffix, TakesMajorMinorAndTheLastNumber) {
  EXPECT_EQ(VersionSuffix(platform::ProgramVersion{1, 0, 0, 203}), " (V1.0.203)");
  EXPECT_EQ(VersionSuffix(platform::ProgramVersion{2, 10, 7, 0}), " (V2.10.0)");
}

TEST_F(InfoFormTest, MailAndNewsButtonsOpenTheirTargetsAndOtherIndicesDoNothing) {
  info.Show();
  for (const int index : {-1, 2, 4, 10}) info.Btn_Click(index);
  EXPECT_TRUE(shell.opened.empty());
  info.Btn_Click(0);
  info.ButtonClicked(kInfoButtonBase + 1);  // the window reports control ids
  EXPECT_EQ(shell.opened, (std::vector<Opened>{
                              {Window().Handle(), "Open", "mailto:hilfe@beispiel.example?subject=Tarvio (V1.0.203)", 1},
                              {Window().Handle(), "Open", "www.beispiel.example/new.htm", 1}}));
  EXPECT_TRUE(info.Loaded());
}

TEST_F(InfoFormTest, LabelStartsWithProductAndSloganAndItsFirstLineEndsWithTheVersion) {
  info.Show();
  const std::string text = Window().ControlText(kInfoLabelId);
  ASSERT_EQ(text.rfind("Tarvio – ", 0), 0u);
  const std::size_t lineEnd = text.find('\r');
  ASSERT_NE(lineEnd, std::string::npos);
  EXPECT_TRUE(text.substr(0, lineEnd).ends_with(" (V1.0.203)")) << text;
  EXPECT_EQ(text.substr(lineEnd, 2), "\r\r");
  EXPECT_GT(text.size(), lineEnd + 2);
  EXPECT_EQ(text.find('\n'), std::string::npos);
}

TEST_F(InfoFormTest, LoadSetsCaptionAndToolTipsAndCentresOnALargeScreen) {
  info.Show();
  EXPECT_EQ(Window().Caption(), "Info über Tarvio");
  EXPECT_EQ(Window().ToolTip(kInfoButtonBase + 0),
            "... startet Ihr E-Mail-Programm für eine Nachricht an mich unter ''hilfe@beispiel.example''");
  EXPECT_EQ(Window().ToolTip(kInfoButtonBase + 1),
            "... startet Ihren Internet-Browser mit dem Ziel www.beispiel.example/new.htm");
  EXPECT_EQ(Window().Left(), (1024 * 15 - Window().Width()) / 2);
  EXPECT_EQ(Window().Top(), (768 * 15 - Window().Height()) / 2);
  EXPECT_GT(Window().Left(), 0);
}

TEST_F(InfoFormTest, TwoPressesShowOneDialogWithoutReloading) {
  info.Show();
  Window().Move(77, 88);  // the user dragged it
  Window().SetControlText(kInfoLabelId, "unchanged");
  info.Show();
  EXPECT_EQ(factory.forms.size(), 1u);
  EXPECT_EQ(Window().Shows(), 2);
  EXPECT_EQ(Window().Left(), 77);
  EXPECT_EQ(Window().Top(), 88);
  EXPECT_EQ(Window().ControlText(kInfoLabelId), "unchanged");
}

TEST_F(InfoFormTest, CloseButtonOrTitleBarUnloadsAndTheNextPressLoadsAnew) {
  screen.metrics = {640 * 15, 480 * 15, 15, 15};
  const std::function<void()> closers[] = {[&] { info.Btn_Click(3); },
                                           [&] { Window().RequestClose(platform::kCloseFromTitleBar); }};
  for (const auto& close : closers) {
    info.Show();
    close();
    EXPECT_FALSE(info.Loaded());
    EXPECT_EQ(info.Window(), nullptr);
    EXPECT_EQ(factory.OpenForms(), 0);
    info.Btn_Click(0);  // the buttons of an unloaded dialog do nothing
    EXPECT_TRUE(shell.opened.empty());
    info.Show();
    EXPECT_EQ(factory.forms.size(), 1u);  // the old window is gone, a new one stands
    EXPECT_EQ(factory.OpenForms(), 1);
    EXPECT_TRUE(info.Loaded());
    EXPECT_TRUE(Window().Visible());
    EXPECT_EQ(Window().Left(), 0);
    EXPECT_EQ(Window().Top(), 0);
    info.Btn_Click(3);
  }
}

TEST(InfoFormLayout, ControlsSitWhereTheDialogNeedsThem) {
  const platform::FormSpec form = InfoFormLayout();
  EXPECT_EQ(form.clientWidth, 9384);
  EXPECT_EQ(form.clientHeight, 6396);
  struct Row {
    int id;
    platform::ControlKind kind;
    int left, top, width, height, tab;
    const char* caption;
  };
  using K = platform::ControlKind;
  const Row rows[] = {
      {kInfoPictureId, K::Picture, 120, 120, 1635, 6135, -1, ""},
      {kInfoLabelId, K::Label, 1920, 120, 7335, 5415, -1, ""},
      {kInfoLineId, K::Line, 1919, 5572, 7375, 0, -1, ""},
      {kInfoButtonBase + 0, K::Button, 1920, 5700, 1455, 555, 0, "Eine &E-Mail an mich schreiben"},
      {kInfoButtonBase + 1, K::Button, 3540, 5700, 1995, 555, 1, "Die 'News'-Seite auf meiner Web-Site öffnen"},
      {kInfoButtonBase + 3, K::Button, 7860, 5700, 1455, 555, 2, "Dieses Fenster &schliessen"},
  };
  ASSERT_EQ(form.controls.size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const platform::ControlSpec& control = form.controls[i];
    const Row& row = rows[i];
    EXPECT_EQ(control.id, row.id);
    EXPECT_EQ(control.kind, row.kind);
    EXPECT_EQ(std::vector<int>({control.left, control.top, control.width, control.height, control.tabIndex}),
              std::vector<int>({row.left, row.top, row.width, row.height, row.tab}))
        << "control " << row.id;
    EXPECT_EQ(control.caption, row.caption);
  }
  EXPECT_EQ(form.controls[1].fontName, "Arial");
  EXPECT_DOUBLE_EQ(form.controls[1].fontPoints, 9.6);
  EXPECT_EQ(form.controls[5].toolTip, "... bringt Sie zurück zum Programm");
}

}  // namespace
}  // namespace tarvio::extras
