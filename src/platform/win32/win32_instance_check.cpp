#include "platform/win32/win32_instance_check.h"

#include <windows.h>

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

}  // namespace tarvio::platform::win32
