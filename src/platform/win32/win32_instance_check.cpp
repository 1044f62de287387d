#include "platform/win32/win32_instance_check.h"

#include <windows.h>

#include <string>

namespace tarvio::platform::win32 {

bool Win32InstanceCheck::AnotherInstanceRunning() {
  if (!mutex_) {
    const std::string name = std::string("Local\\") + name_;
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    existed_ = GetLastError() == ERROR_ALREADY_EXISTS;
    mutex_.Reset(mutex);
    if (!mutex_) return false;  // no mutex, no evidence of another instance
  }
  return existed_;
}

}  // namespace tarvio::platform::win32
