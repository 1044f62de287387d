#include "platform/win32/win32_instance_check.h"

#include <windows.h>

#include <string>

namespace tarvio::platform::win32 {

Win32InstanceCheck::~Win32InstanceCheck() {
  if (mutex_ != 0) CloseHandle(reinterpret_cast<HANDLE>(mutex_));
}

bool Win32InstanceCheck::AnotherInstanceRunning() {
  if (mutex_ == 0) {
    const std::string name = std::string("Local\\") + name_;
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    if (mutex == nullptr) return false;  // no mutex, no evidence of another instance
    mutex_ = reinterpret_cast<std::uintptr_t>(mutex);
    existed_ = existed;
  }
  return existed_;
}

}  // namespace tarvio::platform::win32
