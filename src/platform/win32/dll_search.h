#pragma once
// Keeps every later DLL look-up of the process out of the program's folder, which for a
// portable program is wherever the download went. Called first thing in WinMain.
#include <vector>

namespace tarvio::platform::win32 {

// The system folder becomes the current folder (which Windows 2000 and XP before SP2
// search before the system folder); then SetDefaultDllDirectories where kernel32 has it,
// else LoadWhatWindowsLoadsByName.
void KeepDllSearchInTheSystemFolder();

// For the Windows without SetDefaultDllDirectories (98 to Vista, 7 without KB2533623):
// the DLLs that Windows itself loads by bare name at start and in the window, loaded now
// by full path from the system folder and kept for the whole run, so that the later
// request finds them loaded. A DLL this Windows lacks is skipped.
void LoadWhatWindowsLoadsByName();

// Called before the shell or COM is first used: after LoadWhatWindowsLoadsByName, the DLLs
// they ask for by name are loaded from the system folder now, once.
void LoadDllsTheShellAsksForLater();

// Every name the two load.
std::vector<const char*> DllsWindowsLoadsByName();

}  // namespace tarvio::platform::win32
