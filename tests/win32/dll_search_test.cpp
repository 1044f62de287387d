// The DLL search of Windows without SetDefaultDllDirectories, on Wine's real loader. Started
// by DllSearch.PreloadTakesEveryDllFromTheSystemFolder from its own folder, beside a DLL
// that leaves a mark under each preloaded name, with Wine preferring those as Windows
// prefers the program's folder. After LoadWhatWindowsLoadsByName, the request by the bare
// name finds the system's DLL, no mark appears, every module of the process comes from
// the system folder, and KeepDllSearchInTheSystemFolder makes that the current folder.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <string>

#include "platform/win32/dll_search.h"
#include "platform/win32/scoped.h"
#include "platform/win32/system_files.h"

using namespace tarvio::platform::win32;

namespace {

int failures = 0;
void ExpectIn(const std::string& folder, const std::string& path, const char* what) {
  const bool inFolder = path.size() > folder.size() && path.find('\\', folder.size()) == std::string::npos &&
                        lstrcmpiA(path.substr(0, folder.size()).c_str(), folder.c_str()) == 0;
  if (!inFolder) failures += std::printf("FAIL: %s from %s\n", what, path.c_str()) > 0;
}

}  // namespace

int main() {
  const std::string system = SystemFolder();
  char current[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  const std::string own = std::string(current) + "\\";
  LoadWhatWindowsLoadsByName();
  for (const char* name : DllsWindowsLoadsByName()) {
    // A Windows that lacks the DLL (Wine lacks some) never asks for it.
    if (GetFileAttributesA((system + name).c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(LoadLibraryA(name), path, MAX_PATH);  // as Windows asks for it later
    ExpectIn(system, path, name);
    if (GetFileAttributesA((own + name + ".mark").c_str()) != INVALID_FILE_ATTRIBUTES) {
      ExpectIn(system, own, (std::string("the mark of ") + name).c_str());
    }
  }
  char program[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  const ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0));
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32First(snapshot.Get(), &module); more; more = Module32Next(snapshot.Get(), &module)) {
    if (lstrcmpiA(module.szExePath, program) != 0) ExpectIn(system, module.szExePath, "a module");
  }
  KeepDllSearchInTheSystemFolder();
  GetCurrentDirectoryA(MAX_PATH, current);
  ExpectIn(system, std::string(current) + "\\x", "the current folder");
  return failures;
}
