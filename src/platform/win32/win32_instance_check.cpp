#include "platform/win32/win32_instance_check.h"

#include <windows.h>

#include "platform/notify_icon.h"
#include "platform/product.h"
#include "platform/win32/form_class.h"
#include "platform/win32/system_files.h"

namespace tarvio::platform::win32 {

bool Win32InstanceCheck::AnotherInstanceRunning() {
  if (asked_) return another_;
  asked_ = true;
  for (const std::string& name : names_) {
    mutex_.Reset(CreateMutexA(nullptr, FALSE, name.c_str()));
    const DWORD error = GetLastError();
    if (mutex_) {
      another_ = error == ERROR_ALREADY_EXISTS;
      return another_;
    }
    // Held by an instance that runs with other rights (started as administrator, say):
    // the name is taken all the same.
    if (error == ERROR_ACCESS_DENIED) {
      another_ = true;
      return another_;
    }
  }
  return another_;  // no name served: no evidence of another instance
}

void Win32InstanceCheck::ShowRunningInstance() {
  // The running copy's main window: hidden, of the program's class, captioned with its name.
  HWND running = FindWindowExA(nullptr, nullptr, kFormClassName, kProductName);
  if (running == nullptr) return;
  // Only the process that had the last input may bring a window to the front, and this
  // one has it: the OK on its message. From Windows 2000 on it hands the right to the
  // running copy, whose own show then comes to the front. Windows 98 and ME lack
  // AllowSetForegroundWindow; there, as the Platform SDK advises a second instance, this
  // one puts the window to the front itself once it is shown.
  HMODULE user32 = GetModuleHandleA("user32.dll");
  using AllowFunction = BOOL(WINAPI*)(DWORD);
  using ProcessOfFunction = DWORD(WINAPI*)(HWND, LPDWORD);
  const auto allow = AsFunction<AllowFunction>(user32 ? GetProcAddress(user32, "AllowSetForegroundWindow") : nullptr);
  const auto processOf =
      AsFunction<ProcessOfFunction>(user32 ? GetProcAddress(user32, "GetWindowThreadProcessId") : nullptr);
  DWORD process = 0;
  if (allow != nullptr && processOf != nullptr && processOf(running, &process) != 0) allow(process);
  // What a click on its icon sends, answered once the window is shown; a copy that hangs
  // is not waited for.
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(running, kTrayCallbackMessage, 0, WM_LBUTTONDOWN, SMTO_ABORTIFHUNG, kShowAnswerMilliseconds,
                      &answer);
  SetForegroundWindow(running);
}

}  // namespace tarvio::platform::win32
