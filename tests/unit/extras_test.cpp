// Opening documents, the program's folder and the info dialog with its placement.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "extras/center_form.h"
#include "extras/documents.h"
#include "extras/info_form.h"
#include "extras/paths.h"
#include "fakes/fake_forms.h"
#include "fakes/fake_system.h"
#include "fakes/fake_toolkit.h"

namespace tarvio::extras {
namespace {

using Texts = std::vector<std::string>;

class Extras : public ::testing::Test {
 protected:
  test::FakeForm& Dialog() { return *factory.forms.back(); }

  test::FakeShell shell;
  test::FakeProgramInfo program;  // C:\Programme\Tarvio\tarvio.exe, version 1.0.0.203
  test::FakeToolkit toolkit;
  test::FakeFormFactory factory;
  test::FakeScreen screen;  // 1024 x 768 at 96 dpi
  Documents documents{shell, program, toolkit};
  InfoForm info{factory, screen, documents, program, {"hilfe@beispiel.example", "http://www.beispiel.example/new.htm"}};
};

TEST_F(Extras, FoldersEndInExactlyOneBackslash) {
  const struct {
    const char *path, *withBackslash, *folder;
  } rows[] = {{"C:\\Tarvio", "C:\\Tarvio\\", "C:\\"},
              {"C:\\Tarvio\\", "C:\\Tarvio\\", "C:\\Tarvio"},
              {"C:\\", "C:\\", "C:\\"},
              {"\\\\server\\share\\t.exe", "\\\\server\\share\\t.exe\\", "\\\\server\\share"},
              {"t.exe", "t.exe\\", ""},
              {"", "\\", ""}};
  for (const auto& row : rows) {
    EXPECT_EQ(WithBackslash(row.path), row.withBackslash) << row.path;
    EXPECT_EQ(FolderOf(row.path), row.folder) << row.path;
  }
}

// An empty name means the help page, and the caller's variable gets its path; the
// editor gets the plan's path unquoted, blanks and all. Without an editor of the
// system's, the shell opens the plan with the user's program for it.
TEST_F(Extras, DocumentsGoToTheShellAsPassed) {
  std::string document;
  documents.ShowHelp(0x10, document, false);
  EXPECT_EQ(document, "C:\\Programme\\Tarvio\\hilfe.htm");
  document = "C:\\Anderswo\\seite.htm";
  documents.ShowHelp(0x11, document, true);
  documents.EditProviderFile(0x12, "C:\\Program Files\\Mein Tarvio\\Provider.INI");
  shell.systemProgramsThere = false;
  documents.EditProviderFile(0x13, "C:\\Tarvio\\Provider.INI");
  EXPECT_EQ(shell.opened, (Texts{"16 C:\\Programme\\Tarvio\\hilfe.htm (10)", "17 C:\\Anderswo\\seite.htm (10)",
                                 "19 C:\\Tarvio\\Provider.INI (1)"}));
  EXPECT_EQ(shell.started, (Texts{"notepad.exe: notepad.exe C:\\Program Files\\Mein Tarvio\\Provider.INI (1)",
                                  "notepad.exe: notepad.exe C:\\Tarvio\\Provider.INI (1)"}));
  ASSERT_EQ(toolkit.boxes.size(), 1u);  // only where a confirmation is asked for
  EXPECT_EQ(toolkit.boxes[0].owner, 0x11u);
  EXPECT_EQ(toolkit.boxes[0].style, platform::MessageStyle::Information);
}

TEST_F(Extras, TheInfoDialogLoadsItsTextsAndOpensItsLinks) {
  info.Show();
  EXPECT_EQ(Dialog().Caption(), "Info über Tarvio");
  EXPECT_EQ(Dialog().ToolTip(InfoButtonId(kInfoMailButton)),
            "... startet Ihr E-Mail-Programm für eine Nachricht an mich unter ''hilfe@beispiel.example''");
  EXPECT_EQ(Dialog().ToolTip(InfoButtonId(kInfoNewsButton)),
            "... startet Ihren Internet-Browser mit dem Ziel http://www.beispiel.example/new.htm");
  const std::string label = Dialog().Text(kInfoLabelId);
  const std::string firstLine = label.substr(0, label.find('\r'));
  EXPECT_TRUE(firstLine.starts_with("Tarvio – ") && firstLine.ends_with(" (V1.0.203)")) << firstLine;
  EXPECT_EQ(label.substr(firstLine.size(), 2), "\r\r");
  const platform::ControlSpec& labelControl = Dialog().Spec().controls[1];
  EXPECT_EQ(labelControl.fontName + " " + std::to_string(labelControl.fontPoints), "Arial 9.600000");
  for (const int index : {-1, 2, 4}) info.Btn_Click(index);
  info.ButtonClicked(InfoButtonId(kInfoMailButton));
  info.Btn_Click(kInfoNewsButton);
  const std::string owner = std::to_string(Dialog().Handle());
  EXPECT_EQ(shell.opened, (Texts{owner + " mailto:hilfe@beispiel.example?subject=Tarvio (V1.0.203) (1)",
                                 owner + " http://www.beispiel.example/new.htm (1)"}));
  // The build's own address has its scheme: the shell never looks for a file of that name.
  EXPECT_TRUE(BuildEndpoints().newsPage.starts_with("http://")) << BuildEndpoints().newsPage;
}

// Shown again while open, nothing is reloaded; closed, the next press loads it anew,
// with the position test repeated.
TEST_F(Extras, TheInfoDialogIsOneDialogLoadedAgainAfterEachClose) {
  const std::function<void()> closers[] = {[&] { info.Btn_Click(kInfoCloseButton); },
                                           [&] { Dialog().RequestClose(platform::CloseCause::TitleBar); }};
  for (const auto& close : closers) {
    info.Show();
    Dialog().Move(77, 88);  // the user dragged it
    info.Show();
    EXPECT_EQ(factory.forms.size(), 1u);
    EXPECT_EQ(Dialog().Place(), (std::vector<int>{77, 88}));
    EXPECT_TRUE(Dialog().Visible());
    close();
    EXPECT_FALSE(info.Loaded());
    EXPECT_EQ(info.Window(), nullptr);
    EXPECT_EQ(factory.openForms, 0);
    info.Btn_Click(kInfoMailButton);  // the buttons of an unloaded dialog do nothing
    EXPECT_TRUE(shell.opened.empty());
  }
  screen.metrics = platform::MetricsOfScreen(640, 1024, 96, 96);
  factory.refusals = 1;  // Windows refuses the window once: the next press opens it
  info.Show();
  EXPECT_FALSE(info.Loaded());
  info.Show();
  EXPECT_EQ(Dialog().Place(), (std::vector<int>{0, 0}));
  EXPECT_EQ(factory.forms.size(), 1u);  // the old window is gone
}

// The shell may run a message loop while it opens a link; the dialog closed and loaded
// anew meanwhile keeps its old window (and the form under the handler) until no handler
// of it runs any more.
TEST_F(Extras, AWindowOutlivesItsHandlerThoughTheDialogIsLoadedAnewMeanwhile) {
  info.Show();
  shell.onOpen = [&] {
    shell.onOpen = nullptr;
    Dialog().RequestClose(platform::CloseCause::TitleBar);
    info.Show();
  };
  Dialog().Click(InfoButtonId(kInfoMailButton));
  EXPECT_EQ(factory.forms.size(), 2u);
  info.Btn_Click(kInfoCloseButton);
  info.Show();
  EXPECT_EQ(factory.forms.size(), 1u);  // now both old windows are gone
}

TEST(CenterOffset, RoundsTheDifferenceToEvenThenHalvesTowardZero) {
  const struct {
    double screen, form;
    int offset;
  } rows[] = {{10000, 9500, 250}, {10001, 9500, 250}, {9500, 9801, -150}, {100, 97.5, 1},
              {100, 96.5, 2},     {100, 100, 0},      {0, 3, -1},         {5e9, 0, 0}};
  for (const auto& row : rows)
    EXPECT_EQ(CenterOffset(row.screen, row.form), row.offset) << row.screen << " - " << row.form;
}

// The dialog, 9474 x 6801 twips outside: pixels count with each direction's own twips per
// pixel; a screen of at most 640 x 480 pixels, or metrics without a pixel size, put it in
// the corner.
TEST_F(Extras, TheDialogGoesToTheCornerOfSmallScreensElseToTheMiddle) {
  const struct {
    int width, height, dpiX, dpiY, left, top;
  } rows[] = {{640, 480, 96, 96, 0, 0},    {800, 600, 96, 96, 1263, 1099},       {1024, 480, 96, 96, 0, 0},
              {641, 481, 96, 96, 70, 207}, {800, 600, 120, 120, 63, 199},        {640, 600, 96, 120, 0, 0},
              {800, 600, 0, 96, 0, 0},     {15000, 12000, 1920, 1920, 888, 1099}};
  for (const auto& row : rows) {
    screen.metrics = platform::MetricsOfScreen(row.width, row.height, row.dpiX, row.dpiY);
    info.Show();
    EXPECT_EQ(Dialog().Place(), (std::vector<int>{row.left, row.top})) << row.width << " x " << row.height;
    info.Btn_Click(kInfoCloseButton);
  }
}

}  // namespace
}  // namespace tarvio::extras
