// The shell, the process start and the program file on the real system.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extras/documents.h"
#include "extras/version_suffix.h"
#include "platform/portable/headless_toolkit.h"
#include "platform/shell.h"
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_program_info.h"
#include "platform/win32/win32_shell.h"

namespace tarvio::platform::win32 {
namespace {

TEST(Win32Shell, OpeningAMissingDocumentShowsNothingAndReturns) {
  const Win32Codec codec;
  Win32Shell shell(codec);
  // A message box here would hold the test until its time runs out.
  shell.Execute(0, "Open", "C:\\gibt-es-nicht\\nirgends\\fehlt.txt", kSwShowNormal);
  shell.Execute(0, "Open", "", kSwShowNormal);
  SUCCEED();
}

// The test program carries a version resource of known numbers.
TEST(Win32ProgramInfo, ReadsTheVersionAndTheFolderOfTheRunningProgram) {
  const Win32Codec codec;
  const Win32ProgramInfo program(codec);
  const ProgramVersion version = program.Version();
  EXPECT_EQ(std::vector<int>({version.major, version.minor, version.build, version.revision}),
            std::vector<int>({1, 0, 0, 203}));
  EXPECT_EQ(extras::VersionSuffix(program), " (V1.0.203)");
  const std::string path = program.ProgramFilePath();
  ASSERT_TRUE(path.ends_with("tarvio_tests.exe")) << path;
  Win32Shell shell(codec);
  portable::HeadlessToolkit toolkit;
  const std::string folder = extras::Documents(shell, program, toolkit).AppDirectory();
  EXPECT_EQ(folder, path.substr(0, path.size() - std::string("tarvio_tests.exe").size()));
  EXPECT_FALSE(folder.ends_with("\\\\"));
}

}  // namespace
}  // namespace tarvio::platform::win32

#endif  // _WIN32
