#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/ansi.h"
#include "platform/win32/dll_search.h"
#include "platform/win32/scoped.h"
#include "platform/win32/system_files.h"

namespace tarvio::platform::win32 {
namespace {

int ShowBits(ShowCommand show) { return show == ShowCommand::Normal ? SW_SHOWNORMAL : SW_SHOWDEFAULT; }

// What the shell and the editor start runs in the system folder rather than wherever the
// program was started (documents and the plan are named by full paths): Windows 2000 and
// XP before SP2 look for DLLs in the current folder before the system folder.
const char* SystemFolderOrNull(const std::string& folder) { return folder.empty() ? nullptr : folder.c_str(); }

}  // namespace

void Win32Shell::Open(WindowHandle owner, std::string_view document, ShowCommand show) {
  // The shell may hand the document to extensions that need COM on the calling thread;
  // without it, it opens most documents all the same.
  LoadDllsTheShellAsksForLater();
  com_.Start();
  const std::string folder = SystemFolder();
  ShellExecuteA(reinterpret_cast<HWND>(owner), "Open", ToAnsi(document).c_str(), nullptr, SystemFolderOrNull(folder),
                ShowBits(show));
}

bool Win32Shell::StartSystemProgram(std::string_view program, std::string_view commandLine, ShowCommand show) {
  LoadDllsTheShellAsksForLater();  // a new process is checked for compatibility (apphelp)
  // NT keeps its programs in the system folder (and Notepad in the Windows folder too),
  // Windows 98 and ME in the Windows folder. Given the full path, CreateProcessA searches
  // nothing and fails where the file is missing; the command line stays as the program
  // expects it.
  const std::string systemFolder = SystemFolder();
  for (const std::string& folder : {systemFolder, WindowsFolder()}) {
    if (folder.empty()) continue;
    const std::string path = folder + ToAnsi(program);
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::string line = ToAnsi(commandLine);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(ShowBits(show));
    PROCESS_INFORMATION process{};
    if (CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, SystemFolderOrNull(systemFolder),
                       &startup, &process)) {
      // Nobody waits for the started program.
      const ScopedHandle thread(process.hThread);
      const ScopedHandle started(process.hProcess);
      return true;
    }
  }
  return false;
}

}  // namespace tarvio::platform::win32
