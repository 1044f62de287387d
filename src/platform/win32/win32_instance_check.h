#pragma once
// A named mutex in the session's own namespace: another user's instance, in another
// session, does not count.
#include <cstdint>

#include "platform/instance_check.h"

namespace tarvio::platform::win32 {

class Win32InstanceCheck final : public InstanceCheck {
 public:
  // name: the mutex's name below "Local\".
  explicit Win32InstanceCheck(const char* name) : name_(name) {}
  ~Win32InstanceCheck() override;
  Win32InstanceCheck(const Win32InstanceCheck&) = delete;
  Win32InstanceCheck& operator=(const Win32InstanceCheck&) = delete;
  bool AnotherInstanceRunning() override;

 private:
  const char* name_;
  std::uintptr_t mutex_ = 0;  // held for the whole run
  bool existed_ = false;
};

}  // namespace tarvio::platform::win32
