#pragma once
// Keeps every later DLL look-up of the process out of the program's folder, which for a
// portable program is wherever the download went. Called first thing in WinMain.

namespace tarvio::platform::win32 {

void KeepDllSearchInTheSystemFolder();

// Called before the shell or COM is first used: where the look-ups could not be kept in
// the system folder, the DLLs they ask for by name are loaded from there now.
void LoadDllsTheShellAsksForLater();

}  // namespace tarvio::platform::win32
