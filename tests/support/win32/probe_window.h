#pragma once
// For tests on the real window system: a hidden top-level window whose own procedure
// records every message that reaches it, so a test can see what a hook passed on.
#include <cstdint>
#include <vector>

#include "platform/window_hook.h"

namespace tarvio::test {

class ProbeWindow {
 public:
  struct Received {
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool operator==(const Received&) const = default;
  };
  static constexpr std::intptr_t kAnswer = 0x1234;  // what the probe's procedure returns to every message

  ProbeWindow();
  ~ProbeWindow();
  ProbeWindow(const ProbeWindow&) = delete;
  ProbeWindow& operator=(const ProbeWindow&) = delete;

  platform::WindowHandle Handle() const { return handle_; }
  // SendMessageA: runs the window's current procedure at once and returns its result.
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) const;
  // The procedure the window has now, and the one it was created with.
  platform::WindowProcedure CurrentProcedure() const;
  static platform::WindowProcedure OwnProcedure();
  // Messages that reached the probe's own procedure, in the range a test cares about.
  std::vector<Received> ReceivedAtLeast(std::uint32_t firstMessage) const;

 private:
  platform::WindowHandle handle_ = 0;
};

}  // namespace tarvio::test
