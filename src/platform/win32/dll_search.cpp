#include "platform/win32/dll_search.h"

#include <windows.h>

#include <string>

#include "platform/win32/system_files.h"

namespace tarvio::platform::win32 {
namespace {

constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

// DLLs that Windows itself loads by bare name after start-up, on the paths this program
// takes (start, the window, the info dialog, help, the editor, listing the entries, the
// end), on XP, Vista and 7 without KB2533623.
constexpr const char* kLoadedByWindowsLater[] = {
    "uxtheme.dll",        // the common controls 6 and user32 for visual styles (XP on)
    "dwmapi.dll",         // uxtheme of Vista and 7
    "version.dll",        // the shell and the common controls
    "cryptbase.dll",      // rpcrt4 of 7 when COM starts
    "clbcatq.dll",        // ole32 of XP SP2 and SP3 for the COM+ catalog
    "apphelp.dll",        // the shell's compatibility checks (Vista)
    "userenv.dll",        // the shell of Vista for the profile folders
    "setupapi.dll",       // the shell of XP for the drives
    "propsys.dll",        // the shell of Vista on
    "oleacc.dll",         // the shell and accessibility
    "windowscodecs.dll",  // the picture loader's JPEG decoder
    "msimg32.dll",        // drawing of themed controls
    "ntmarta.dll",        // advapi32's access-control functions, which the shell calls (7)
    "rasman.dll",         // rasapi32 while it lists the entries (XP on)
    "rtutils.dll",        // rasapi32 and rasman for their tracing (XP on)
    "tapi32.dll",         // rasapi32 for the modems' devices (XP on)
};

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

std::span<const char* const> DllsWindowsLoadsByName() { return kLoadedByWindowsLater; }

void LoadWhatWindowsLoadsByName() {
  for (const char* name : kLoadedByWindowsLater) LoadSystemLibrary(name);
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

}  // namespace tarvio::platform::win32
