#include "platform/win32/dll_search.h"

#include <windows.h>

#include "platform/win32/system_files.h"

namespace tarvio::platform::win32 {
namespace {

constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

// DLLs that Windows itself loads by bare name after start-up, on the paths this program
// takes: windows with visual styles, and a screen reader's hooks. Loaded once by full
// path, so that the later request finds them loaded.
constexpr const char* kLoadedByWindowsLater[] = {
    "uxtheme.dll",  // the common controls 6 and user32 for visual styles (XP on)
    "dwmapi.dll",   // uxtheme of Vista and 7
    "version.dll",  // the shell and the common controls
    "oleacc.dll",   // accessibility: a screen reader's hook in the process imports it
    "msimg32.dll",  // drawing of themed controls
};
// Those that the shell and COM ask for, loaded the same way before the program first
// hands the shell a document or starts a program, not before: a run that never does
// never maps them.
constexpr const char* kLoadedByTheShellLater[] = {
    "cryptbase.dll",  // rpcrt4 of 7 when COM starts
    "clbcatq.dll",    // ole32 of XP for the COM+ catalog
    "apphelp.dll",    // the shell's compatibility checks
    "userenv.dll",    // the shell of Vista for the profile folders
    "setupapi.dll",   // the shell of XP for the drives
    "propsys.dll",    // the shell of Vista on
};
// Set where the start could not keep the look-ups in the system folder; cleared once
// the shell's are loaded.
bool g_shellDllsDue = false;

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

void KeepDllSearchInTheSystemFolder() {
  // Windows 8 on, and 7 with KB2533623: the system folder alone, for every later look-up.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto setDefault = AsFunction<SetDefaultDllDirectoriesFunction>(Kernel32Function("SetDefaultDllDirectories"));
  if (setDefault != nullptr && !IsVista() && setDefault(kSearchSystem32)) return;
  // XP SP1 on: at least the current folder leaves the search.
  using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCSTR);
  const auto setDllDirectory = AsFunction<SetDllDirectoryFunction>(Kernel32Function("SetDllDirectoryA"));
  if (setDllDirectory != nullptr) setDllDirectory("");
  // The program's folder still comes first: what Windows loads later is loaded now, from
  // the system folder, and kept for the whole run. A DLL this Windows lacks is skipped.
  g_shellDllsDue = true;
  for (const char* name : kLoadedByWindowsLater) LoadSystemLibrary(name);
}

void LoadDllsTheShellAsksForLater() {
  if (!g_shellDllsDue) return;
  g_shellDllsDue = false;  // once: each stays loaded for the whole run
  for (const char* name : kLoadedByTheShellLater) LoadSystemLibrary(name);
}

}  // namespace tarvio::platform::win32
