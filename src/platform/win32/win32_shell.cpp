#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/ansi_codec.h"

namespace tarvio::platform::win32 {
namespace {

class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
  ~OwnedHandle() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

 private:
  HANDLE handle_;
};

}  // namespace

void Win32Shell::Execute(WindowHandle owner, const std::string& operation, const std::string& file,
                         int showCommand) {
  ShellExecuteA(reinterpret_cast<HWND>(owner), codec_.ToAnsi(operation).c_str(), codec_.ToAnsi(file).c_str(),
                nullptr, nullptr, showCommand);
}

void Win32Shell::StartProcess(const std::string& commandLine, int windowStyle) {
  // CreateProcessA may write into the command line, so it gets a copy of its own.
  std::string line = codec_.ToAnsi(commandLine);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(windowStyle);
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    // Nobody waits for the started program.
    const OwnedHandle thread(process.hThread);
    const OwnedHandle started(process.hProcess);
  }
}

}  // namespace tarvio::platform::win32
