#pragma once
// Windows without a window system: each window has a current procedure; a message sent
// to it runs the sink when the sink's procedure is installed, otherwise it is recorded
// as having reached that (foreign) procedure, which answers with `answer`.
#include <cstdint>
#include <map>
#include <vector>

#include "platform/window_hook.h"

namespace tarvio::platform::portable {

class RecordingWindowHook final : public WindowHook {
 public:
  static constexpr WindowProcedure kSinkProcedure = 0x5150;

  struct Delivery {
    WindowProcedure procedure;
    WindowHandle window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool operator==(const Delivery&) const = default;
  };

  WindowProcedure SinkProcedure(WindowMessageSink& sink) override {
    sink_ = &sink;
    return kSinkProcedure;
  }
  WindowProcedure SetWindowProcedure(WindowHandle window, WindowProcedure procedure) override {
    ++procedureChanges;
    const auto found = procedures.find(window);
    if (found == procedures.end()) return 0;  // no such window
    const WindowProcedure previous = found->second;
    found->second = procedure;
    return previous;
  }
  std::intptr_t CallWindowProcedure(WindowProcedure procedure, WindowHandle window, std::uint32_t message,
                                    std::uintptr_t wParam, std::intptr_t lParam) override {
    if (procedure == kSinkProcedure && sink_ != nullptr) {
      // A procedure that calls itself again and again would overflow the stack on Windows.
      if (depth_ >= kMaxDepth) {
        recursed = true;
        return 0;
      }
      ++depth_;
      const std::intptr_t result = sink_->WindowMessage(window, message, wParam, lParam);
      --depth_;
      return result;
    }
    delivered.push_back({procedure, window, message, wParam, lParam});
    return answer;
  }
  // SendMessage: the window's current procedure handles the message.
  std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    return CallWindowProcedure(procedures[window], window, message, wParam, lParam);
  }

  std::map<WindowHandle, WindowProcedure> procedures;  // the windows that exist
  std::vector<Delivery> delivered;                     // messages that reached a foreign procedure
  std::intptr_t answer = 0;
  int procedureChanges = 0;
  bool recursed = false;

 private:
  static constexpr int kMaxDepth = 16;
  WindowMessageSink* sink_ = nullptr;
  int depth_ = 0;
};

}  // namespace tarvio::platform::portable
