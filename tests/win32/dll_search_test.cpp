// The DLL search of Windows without SetDefaultDllDirectories, on Wine's real loader: a DLL
// that leaves a mark (tests/e2e/leaves_a_mark.cpp) lies beside this program under each
// name that Windows loads by name later, and Wine prefers it, as Windows prefers the
// program's folder. After LoadWhatWindowsLoadsByName, the request by the bare name finds
// the system's DLL, no mark appears, and every module of the process comes from the
// system folder. Started without arguments, the program plants the DLLs, runs itself
// again with Wine's preference and removes what it planted.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <string>

#include "platform/win32/dll_search.h"
#include "platform/win32/scoped.h"
#include "platform/win32/system_files.h"

namespace {

using namespace tarvio::platform::win32;

std::string OwnPath() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string OwnFolder() {
  const std::string path = OwnPath();
  return path.substr(0, path.find_last_of('\\') + 1);
}

bool InFolder(const std::string& path, const std::string& folder) {
  return path.size() > folder.size() && lstrcmpiA(path.substr(0, folder.size()).c_str(), folder.c_str()) == 0 &&
         path.find('\\', folder.size()) == std::string::npos;
}

int failures = 0;
void Fail(const std::string& what) {
  std::printf("FAIL: %s\n", what.c_str());
  ++failures;
}

int Check() {
  const std::string own = OwnFolder();
  const std::string system = SystemFolder();
  LoadWhatWindowsLoadsByName();
  for (const char* name : DllsWindowsLoadsByName()) {
    // A Windows that lacks the DLL (Wine lacks some) never asks for it.
    if (GetFileAttributesA((system + name).c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    char path[MAX_PATH + 1] = {};
    const HMODULE module = LoadLibraryA(name);  // as Windows asks for it later
    if (module == nullptr || GetModuleFileNameA(module, path, MAX_PATH) == 0) {
      Fail(std::string(name) + " not loaded");
    } else if (!InFolder(path, system)) {
      Fail(std::string(name) + " loaded from " + path);
    }
  }
  const ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0));
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32First(snapshot.Get(), &module); more; more = Module32Next(snapshot.Get(), &module)) {
    if (!InFolder(module.szExePath, system) && lstrcmpiA(module.szExePath, OwnPath().c_str()) != 0) {
      Fail(std::string("a module from ") + module.szExePath);
    }
  }
  for (const char* name : DllsWindowsLoadsByName()) {
    if (GetFileAttributesA((own + name + ".mark").c_str()) != INVALID_FILE_ATTRIBUTES) {
      Fail(std::string("the planted ") + name + " ran");
    }
  }
  // Started in its own folder, as a portable program is; from the first call on in the
  // system folder.
  KeepDllSearchInTheSystemFolder();
  char current[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  std::string currentFolder = current;
  if (currentFolder.empty() || currentFolder.back() != '\\') currentFolder += '\\';
  if (lstrcmpiA(currentFolder.c_str(), system.c_str()) != 0) Fail("the current folder is " + currentFolder);
  return failures == 0 ? 0 : 1;
}

int PlantAndCheck() {
  const std::string own = OwnFolder();
  std::string overrides;
  for (const char* name : DllsWindowsLoadsByName()) {
    if (!CopyFileA((own + "leaves_a_mark.dll").c_str(), (own + name).c_str(), FALSE))
      Fail("cannot plant " + own + name);
    overrides += std::string(overrides.empty() ? "" : ",") + std::string(name, std::string(name).rfind('.'));
  }
  // Besides the preferences wine-run.sh gives every program.
  char given[1024] = {};
  GetEnvironmentVariableA("WINEDLLOVERRIDES", given, sizeof given - 1);
  SetEnvironmentVariableA("WINEDLLOVERRIDES", (overrides + "=n,b;" + given).c_str());
  std::string commandLine = "\"" + OwnPath() + "\" check";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  DWORD exitCode = 1;
  if (CreateProcessA(OwnPath().c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, own.c_str(), &startup,
                     &process)) {
    const ScopedHandle thread(process.hThread);
    const ScopedHandle child(process.hProcess);
    WaitForSingleObject(child.Get(), INFINITE);
    GetExitCodeProcess(child.Get(), &exitCode);
  } else {
    Fail("cannot start the check");
  }
  for (const char* name : DllsWindowsLoadsByName()) {
    DeleteFileA((own + name).c_str());
    DeleteFileA((own + name + ".mark").c_str());
  }
  return failures == 0 ? static_cast<int>(exitCode) : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const int result = argc > 1 && std::string(argv[1]) == "check" ? Check() : PlantAndCheck();
  std::printf("%s\n", result == 0 ? "ok" : "failed");
  return result;
}
