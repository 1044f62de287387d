// tarvio.exe: the main window on the real Win32 back-ends, until no window of the
// program is open any more.
#include <windows.h>

#include "app/main_form.h"
#include "platform/win32/dll_search.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  tarvio::platform::win32::KeepDllSearchInTheSystemFolder();
  tarvio::platform::win32::Win32Platform platform;
  tarvio::app::MainForm mainForm(platform.Bundle());
  return platform.Run(mainForm.Form_Load());
}
