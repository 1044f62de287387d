#pragma once
// Keeps every later DLL look-up of the process out of the program's folder, which for a
// portable program is wherever the download went. Called first thing in WinMain.

namespace tarvio::platform::win32 {

void KeepDllSearchInTheSystemFolder();

}  // namespace tarvio::platform::win32
