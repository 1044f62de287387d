#include "extras/paths.h"

#include <gtest/gtest.h>

#include "extras/documents.h"
#include "platform/portable/fixed_program_info.h"
#include "platform/portable/headless_toolkit.h"
#include "platform/portable/recording_shell.h"

namespace tarvio::extras {
namespace {

struct Row {
  const char* path;
  const char* expected;
};

TEST(WithBackslash, AppendsOneBackslashUnlessThereIsOne) {
  for (const Row row : {Row{"C:\\Tarvio", "C:\\Tarvio\\"}, Row{"C:\\", "C:\\"}, Row{"", "\\"},
                        Row{"C:\\Tarvio\\", "C:\\Tarvio\\"}, Row{"C:", "C:\\"}}) {
    EXPECT_EQ(WithBackslash(row.path), row.expected) << row.path;
  }
}

TEST(FolderOf, GivesTheFolderAsTheSystemNamesIt) {
  for (const Row row :
       {Row{"C:\\Programme\\Tarvio\\Tarvio.exe", "C:\\Programme\\Tarvio"}, Row{"C:\\Tarvio.exe", "C:\\"},
        Row{"\\\\server\\share\\Tarvio.exe", "\\\\server\\share"}, Row{"Tarvio.exe", ""}, Row{"", ""}}) {
    EXPECT_EQ(FolderOf(row.path), row.expected) << row.path;
  }
}

TEST(AppDirectory, IsTheProgramsFolderEndingInOneBackslash) {
  platform::portable::RecordingShell shell;
  platform::portable::FixedProgramInfo program;
  platform::portable::HeadlessToolkit toolkit;
  Documents documents{shell, program, toolkit};
  for (const Row row :
       {Row{"D:\\Werkzeuge\\Tarvio\\Tarvio.exe", "D:\\Werkzeuge\\Tarvio\\"}, Row{"E:\\Tarvio.exe", "E:\\"}}) {
    program.filePath = row.path;
    EXPECT_EQ(documents.AppDirectory(), row.expected) << row.path;
  }
}

}  // namespace
}  // namespace tarvio::extras
