#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/ansi.h"
#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {
namespace {

int ShowBits(ShowCommand show) { return show == ShowCommand::Normal ? SW_SHOWNORMAL : SW_SHOWDEFAULT; }

}  // namespace

void Win32Shell::Open(WindowHandle owner, std::string_view document, ShowCommand show) {
  ShellExecuteA(reinterpret_cast<HWND>(owner), "Open", ToAnsi(document).c_str(), nullptr, nullptr, ShowBits(show));
}

void Win32Shell::StartProcess(std::string_view commandLine, ShowCommand show) {
  // CreateProcessA may write into the command line, so it gets a copy of its own.
  std::string line = ToAnsi(commandLine);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(ShowBits(show));
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    // Nobody waits for the started program.
    const ScopedHandle thread(process.hThread);
    const ScopedHandle started(process.hProcess);
  }
}

}  // namespace tarvio::platform::win32
