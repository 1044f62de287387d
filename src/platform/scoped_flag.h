#pragma once
// Sets a flag for as long as it lives, however the scope is left: a handler that must not
// run inside itself sees the flag, and one failure cannot leave it set for good.

namespace tarvio::platform {

class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;
  ~ScopedFlag() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace tarvio::platform
