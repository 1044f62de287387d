#include "platform/win32/dll_search.h"

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/system_files.h"

namespace tarvio::platform::win32 {
namespace {

constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

// DLLs that Windows itself loads by bare name after start-up, on the paths this program
// takes (start, the window, the info dialog, help, the editor, listing the entries, the
// end), on XP, Vista and 7 without KB2533623. Loaded once by full path, so that the later
// request finds them loaded. Those the shell and COM ask for are loaded before the program
// first hands the shell a document or starts a program, not before: a run that never does
// never maps them.
struct LoadedByName {
  const char* name;
  bool forTheShell;
};
constexpr LoadedByName kLoadedByWindowsLater[] = {
    {"uxtheme.dll", false},   // the common controls 6 and user32 for visual styles (XP on)
    {"dwmapi.dll", false},    // uxtheme of Vista and 7
    {"version.dll", false},   // the shell and the common controls
    {"oleacc.dll", false},    // accessibility: a screen reader's hook in the process imports it
    {"msimg32.dll", false},   // drawing of themed controls
    {"rasman.dll", false},    // rasapi32 while it lists the entries at start (XP on)
    {"rtutils.dll", false},   // rasapi32 and rasman for their tracing (XP on)
    {"tapi32.dll", false},    // rasapi32 for the modems' devices (XP on)
    {"cryptbase.dll", true},  // rpcrt4 of 7 when COM starts
    {"clbcatq.dll", true},    // ole32 of XP SP2 and SP3 for the COM+ catalog
    {"apphelp.dll", true},    // the compatibility checks of a new process (Vista)
    {"userenv.dll", true},    // the shell of Vista for the profile folders
    {"setupapi.dll", true},   // the shell of XP for the drives
    {"propsys.dll", true},    // the shell of Vista on
    {"ntmarta.dll", true},    // advapi32's access-control functions, which the shell calls (7)
};
// Set where the start could not keep the look-ups in the system folder; cleared once
// the shell's are loaded.
bool g_shellDllsDue = false;

void LoadEvery(bool forTheShell) {
  for (const LoadedByName& dll : kLoadedByWindowsLater) {
    if (dll.forTheShell == forTheShell) LoadSystemLibrary(dll.name);
  }
}

FARPROC Kernel32Function(const char* name) {
  HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
  return kernel32 != nullptr ? GetProcAddress(kernel32, name) : nullptr;
}

// Vista with the update that brings SetDefaultDllDirectories fails to create some shell
// objects after the call (CoCreateInstance of CLSID_ShellLink, as NSIS and 7-Zip found).
bool IsVista() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 6 &&
         version.dwMinorVersion == 0;
}

}  // namespace

std::vector<const char*> DllsWindowsLoadsByName() {
  std::vector<const char*> names;
  for (const LoadedByName& dll : kLoadedByWindowsLater) names.push_back(dll.name);
  return names;
}

void LoadWhatWindowsLoadsByName() {
  g_shellDllsDue = true;
  LoadEvery(false);
}

void KeepDllSearchInTheSystemFolder() {
  // Tarvio opens no file by a relative path, and what it starts gets the system folder too.
  const std::string systemFolder = SystemFolder();
  if (!systemFolder.empty()) SetCurrentDirectoryA(systemFolder.c_str());
  // Windows 8 on, and 7 with KB2533623: the system folder alone, for every later look-up.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto setDefault = AsFunction<SetDefaultDllDirectoriesFunction>(Kernel32Function("SetDefaultDllDirectories"));
  if (setDefault != nullptr && !IsVista() && setDefault(kSearchSystem32)) return;
  // XP SP1 on: at least the current folder leaves the search.
  using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCSTR);
  const auto setDllDirectory = AsFunction<SetDllDirectoryFunction>(Kernel32Function("SetDllDirectoryA"));
  if (setDllDirectory != nullptr) setDllDirectory("");
  // The program's folder still comes first.
  LoadWhatWindowsLoadsByName();
}

void LoadDllsTheShellAsksForLater() {
  if (!g_shellDllsDue) return;
  g_shellDllsDue = false;  // once: each stays loaded for the whole run
  LoadEvery(true);
}

}  // namespace tarvio::platform::win32
