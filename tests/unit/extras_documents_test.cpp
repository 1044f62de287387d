#include "extras/documents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/portable/fixed_program_info.h"
#include "platform/portable/headless_toolkit.h"
#include "platform/portable/recording_shell.h"

namespace tarvio::extras {
namespace {

using Opened = platform::portable::RecordingShell::Opened;
using Started = platform::portable::RecordingShell::Started;

class DocumentsTest : public testing::Test {
 protected:
  DocumentsTest() { program.filePath = "C:\\Programme\\Tarvio\\Tarvio.exe"; }

  platform::portable::RecordingShell shell;
  platform::portable::FixedProgramInfo program;
  platform::portable::HeadlessToolkit toolkit;
  Documents documents{shell, program, toolkit};
};

TEST_F(DocumentsTest, OpenDocumentAsksTheShellToOpenTheStringAsPassed) {
  documents.OpenDocument(0x77, "mailto:a@b.example?subject=Tarvio (V1.0.203)", 1);
  EXPECT_EQ(shell.opened, (std::vector<Opened>{{0x77, "Open", "mailto:a@b.example?subject=Tarvio (V1.0.203)", 1}}));
  EXPECT_TRUE(toolkit.boxes.empty());
}

// An empty name means the help page, and the caller's variable gets its path; the help
// button's way shows no message.
TEST_F(DocumentsTest, ShowHelpOpensTheNamedPageOrTheHelpPageWithoutAMessage) {
  std::string document;
  documents.ShowHelp(0x10, document, 0);
  EXPECT_EQ(document, "C:\\Programme\\Tarvio\\hilfe.htm");
  document = "C:\\Anderswo\\seite.htm";
  documents.ShowHelp(0x11, document, 0);
  EXPECT_EQ(document, "C:\\Anderswo\\seite.htm");
  EXPECT_EQ(shell.opened, (std::vector<Opened>{{0x10, "Open", "C:\\Programme\\Tarvio\\hilfe.htm", 10},
                                               {0x11, "Open", "C:\\Anderswo\\seite.htm", 10}}));
  EXPECT_TRUE(toolkit.boxes.empty());
}

TEST_F(DocumentsTest, ConfirmationTellsThatThePageWentToTheBrowser) {
  std::string document;
  documents.ShowHelp(0x10, document, -1);
  ASSERT_EQ(toolkit.boxes.size(), 1u);
  EXPECT_EQ(toolkit.boxes[0].text, "HTML-Hilfetext wurde an den Standard-Browser geschickt ...");
  EXPECT_EQ(toolkit.boxes[0].style, 64);
  EXPECT_EQ(toolkit.boxes[0].title, "Tarvio");
}

TEST_F(DocumentsTest, EditorGetsThePathUnquotedEvenWithBlanks) {
  documents.EditProviderFile("C:\\Program Files\\Mein Tarvio\\Provider.INI");
  EXPECT_EQ(shell.started, (std::vector<Started>{{"notepad.exe C:\\Program Files\\Mein Tarvio\\Provider.INI", 1}}));
  EXPECT_TRUE(shell.opened.empty());
}

}  // namespace
}  // namespace tarvio::extras
