#pragma once
// Whether another instance of the program already runs in the user's session, and the
// way to its window.

namespace tarvio::platform {

class InstanceCheck {
 public:
  virtual ~InstanceCheck() = default;
  // Asked once at start-up; the answer stays valid while this instance runs.
  virtual bool AnotherInstanceRunning() = 0;
  // Asks the instance that runs already to show its main window in front, as a click on
  // its icon does; nothing happens where its window cannot be found.
  virtual void ShowRunningInstance() = 0;
};

}  // namespace tarvio::platform
