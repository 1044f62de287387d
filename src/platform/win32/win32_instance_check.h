#pragma once
// A named mutex in the session's own namespace: another user's instance, in another
// session, does not count.
#include "platform/instance_check.h"
#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {

class Win32InstanceCheck final : public InstanceCheck {
 public:
  // name: the mutex's name below "Local\".
  explicit Win32InstanceCheck(const char* name) : name_(name) {}
  bool AnotherInstanceRunning() override;

 private:
  const char* name_;
  ScopedHandle mutex_;  // held for the whole run
  bool existed_ = false;
};

}  // namespace tarvio::platform::win32
