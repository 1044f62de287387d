// Plants a DLL that leaves a mark (tests/e2e/leaves_a_mark.cpp) under each preloaded name
// beside dll_search_test.exe (see there), in its folder of its own, and runs it inside
// this run of Wine: a Wine of its own would take seconds to start.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/dll_search.h"
#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {
namespace {

TEST(DllSearch, PreloadTakesEveryDllFromTheSystemFolder) {
  char own[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, own, MAX_PATH);
  std::string folder = own;
  folder = folder.substr(0, folder.find_last_of('\\') + 1) + "dll_search\\";
  std::string overrides;  // Wine's preference for a DLL on the search path, as Windows has it
  for (const std::string name : DllsWindowsLoadsByName()) {
    ASSERT_TRUE(CopyFileA((folder + "leaves_a_mark.dll").c_str(), (folder + name).c_str(), FALSE)) << name;
    overrides += name.substr(0, name.rfind('.')) + ",";
  }
  overrides.back() = '=';
  char given[256] = {};  // wine-run.sh's own
  GetEnvironmentVariableA("WINEDLLOVERRIDES", given, sizeof given - 1);
  SetEnvironmentVariableA("WINEDLLOVERRIDES", (overrides + "n,b;" + given).c_str());
  std::string commandLine = "\"" + folder + "dll_search_test.exe\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup,
                             &child));
  const ScopedHandle process(child.hProcess), thread(child.hThread);
  WaitForSingleObject(process.Get(), INFINITE);
  DWORD failures = 1;
  GetExitCodeProcess(process.Get(), &failures);
  EXPECT_EQ(failures, 0u) << "the lines above say what failed";
  SetEnvironmentVariableA("WINEDLLOVERRIDES", given);
  for (const std::string name : DllsWindowsLoadsByName()) {
    DeleteFileA((folder + name).c_str());
    DeleteFileA((folder + name + ".mark").c_str());
  }
}

}  // namespace
}  // namespace tarvio::platform::win32
