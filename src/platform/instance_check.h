#pragma once
// Whether another instance of the program already runs in the user's session.

namespace tarvio::platform {

class InstanceCheck {
 public:
  virtual ~InstanceCheck() = default;
  // Asked once at start-up; the answer stays valid while this instance runs.
  virtual bool AnotherInstanceRunning() = 0;
};

}  // namespace tarvio::platform
