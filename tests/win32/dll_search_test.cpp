// The DLL search of Windows without SetDefaultDllDirectories, on Wine's real loader. The
// test plants a DLL that leaves a mark (tests/e2e/leaves_a_mark.cpp) under each preloaded
// name beside dll_search_test.exe, in its folder of its own, and runs it with Wine
// preferring those DLLs as Windows prefers the program's folder, inside this run of Wine
// (a Wine of its own would take seconds to start). The program, this file built with
// TARVIO_CHECK_PROGRAM: after LoadWhatWindowsLoadsByName and LoadDllsTheShellAsksForLater
// the request by the bare name finds the system's DLL, no mark appears, every module of
// the process comes from the system folder, and KeepDllSearchInTheSystemFolder makes that
// the current folder.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32/dll_search.h"
#include "platform/win32/scoped.h"
#include "platform/win32/system_files.h"

using namespace tarvio::platform::win32;

#ifdef TARVIO_CHECK_PROGRAM
static int failures = 0;
static void ExpectIn(const std::string& folder, const std::string& path, const std::string& what) {
  const bool inFolder = path.size() > folder.size() && path.find('\\', folder.size()) == std::string::npos &&
                        lstrcmpiA(path.substr(0, folder.size()).c_str(), folder.c_str()) == 0;
  if (!inFolder) failures += std::printf("FAIL: %s from %s\n", what.c_str(), path.c_str()) > 0;
}

int main() {
  const std::string system = SystemFolder();
  char current[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  LoadWhatWindowsLoadsByName();
  LoadDllsTheShellAsksForLater();
  for (const std::string name : DllsWindowsLoadsByName()) {
    // A Windows that lacks the DLL (Wine lacks some) never asks for it.
    if (GetFileAttributesA((system + name).c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    LoadLibraryA(name.c_str());  // as Windows asks for it later; the modules are checked below
    if (GetFileAttributesA((std::string(current) + "\\" + name + ".mark").c_str()) != INVALID_FILE_ATTRIBUTES) {
      ExpectIn(system, current, "the mark of " + name);
    }
  }
  const ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0));
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32First(snapshot.Get(), &module); more; more = Module32Next(snapshot.Get(), &module)) {
    if (lstrcmpiA(module.szExePath, _pgmptr) != 0) ExpectIn(system, module.szExePath, "a module");
  }
  KeepDllSearchInTheSystemFolder();
  GetCurrentDirectoryA(MAX_PATH, current);
  ExpectIn(system, std::string(current) + "\\x", "the current folder");
  return failures;
}
#else
#include <gtest/gtest.h>

TEST(DllSearch, PreloadTakesEveryDllFromTheSystemFolder) {
  const std::string program = _pgmptr;  // this program's path, as the C runtime keeps it
  const std::string folder = program.substr(0, program.find_last_of('\\') + 1) + "dll_search\\";
  std::string overrides;
  for (const std::string name : DllsWindowsLoadsByName()) {
    ASSERT_TRUE(CopyFileA((folder + "leaves_a_mark.dll").c_str(), (folder + name).c_str(), FALSE)) << name;
    overrides += name.substr(0, name.rfind('.')) + ",";
  }
  overrides.back() = '=';
  char given[256] = {};  // wine-run.sh's own
  GetEnvironmentVariableA("WINEDLLOVERRIDES", given, sizeof given - 1);
  SetEnvironmentVariableA("WINEDLLOVERRIDES", (overrides + "n,b;" + given).c_str());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessA((folder + "dll_search_test.exe").c_str(), nullptr, nullptr, nullptr, TRUE, 0, nullptr,
                             folder.c_str(), &startup, &child));
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
#endif
