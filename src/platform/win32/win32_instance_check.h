#pragma once
// A named mutex held for the whole run, in the session's own namespace where the system
// has one: another user's instance, in another session, does not count. The running
// copy's main window is found on the same desktop by its class and caption.
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/instance_check.h"
#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {

// How long a second start waits for the running copy to show its window.
inline constexpr unsigned kShowAnswerMilliseconds = 5000;

class Win32InstanceCheck final : public InstanceCheck {
 public:
  // The mutex's names, in the order they are tried: a name the system refuses gives way
  // to the next. Windows before 2000 knows no "Local\" and refuses a name with a
  // backslash; Windows 2000 and later treat "Local\X" and "X" as one name.
  explicit Win32InstanceCheck(std::initializer_list<const char*> names) : names_(names.begin(), names.end()) {}
  bool AnotherInstanceRunning() override;
  void ShowRunningInstance() override;

 private:
  std::vector<std::string> names_;
  ScopedHandle mutex_;  // held for the whole run
  bool asked_ = false;
  bool another_ = false;
};

}  // namespace tarvio::platform::win32
