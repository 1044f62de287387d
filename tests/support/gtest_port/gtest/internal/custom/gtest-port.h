#pragma once
// GoogleTest's port settings for the win32 thread model of MinGW, whose standard
// library has no std::mutex or std::condition_variable. GoogleTest keeps its own
// Win32 mutex; only its Notification needs them, and only GoogleTest's own tests of
// threads use it. The project's tests run on one thread.
#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify() { notified_.store(true); }
  void WaitForNotification() {
    while (!notified_.load()) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
