#include "extras/paths.h"

#include <gtest/gtest.h>

#include "extras/documents.h"
#include "platform/portable/fixed_program_info.h"
#include "platform/portable/headless_toolkit.h"
#include "platform/portable/recording_shell.h"

namespace tarvio::extras {
namespace {

TEST(WithBackslash, AppendsOneBackslashUnlessThereIsOne) {
  struct Row {
    const char* path;
    const char* expected;
  };
  for (const Row row : {Row{"C:\\Tarvio", "C:\\Tarvio\\"}, Row{"C:\\", "C:\\"}, Row{"", "\\"},
                        Row{"C:\\Tarvio\\", "C:\\Tarvio\\"}, Row{"C:", "C:\\"}}) {
    EXPECT_EQ(WithBackslash(row.path), row.expected) << row.path;
  }
}

TEST(FolderOf, GivesTheFolderAsTheSystemNamesIt) {
  struct Row {
    const char* file;
    const char* folder;
  };
  for (const Row row : {Row{"C:\\Programme\\Tarvio\\Tarvio.exe", "C:\\Programme\\Tarvio"}, Row{"C:\\Tarvio.exe", "C:\\"},
                        Row{"\\\\server\\share\\Tarvio.exe", "\\\\server\\share"}, Row{"Tarvio.exe", ""}, Row{"", ""}}) {
    EXPECT_EQ(FolderOf(row.file), row.folder) << row.file;
  }
}

class AppDirectoryTest : public testing::Test {
 protected:
  platform::portable::RecordingShell shell;
  platform::portable::FixedProgramInfo program;
  platform::portable::HeadlessToolkit toolkit;
  Documents documents{shell, program, toolkit};
};

TEST_F(AppDirectoryTest, EndsInOneBackslash) {
  program.filePath = "D:\\Werkzeuge\\Tarvio\\Tarvio.exe";
  EXPECT_EQ(documents.AppDirectory(), "D:\\Werkzeuge\\Tarvio\\");
}

TEST_F(AppDirectoryTest, DriveRootEndsInOneBackslashNotTwo) {
  program.filePath = "E:\\Tarvio.exe";
  EXPECT_EQ(documents.AppDirectory(), "E:\\");
}

}  // namespace
}  // namespace tarvio::extras
