// Runs dll_search_test.exe (see there) from its folder beside this program's, inside this
// run of Wine: a Wine of its own would take seconds to start.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {
namespace {

TEST(DllSearch, PreloadTakesEveryDllFromTheSystemFolder) {
  char own[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, own, MAX_PATH);
  std::string program = own;
  program = program.substr(0, program.find_last_of('\\') + 1) + "dll_search\\dll_search_test.exe";
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                             &process));
  const ScopedHandle thread(process.hThread);
  const ScopedHandle started(process.hProcess);
  WaitForSingleObject(started.Get(), INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(started.Get(), &exitCode);
  EXPECT_EQ(exitCode, 0u) << "its lines above say what failed";
}

}  // namespace
}  // namespace tarvio::platform::win32
