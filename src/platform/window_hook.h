#pragma once
// Replacing a window's message procedure (subclassing) and calling the one replaced.
#include <cstdint>

#include "platform/form.h"

namespace tarvio::platform {

using WindowProcedure = std::uintptr_t;  // WNDPROC on Windows, 0 for none

// Receives every message of a window whose procedure was replaced by SinkProcedure.
class WindowMessageSink {
 public:
  virtual ~WindowMessageSink() = default;
  virtual std::intptr_t WindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
};

class WindowHook {
 public:
  virtual ~WindowHook() = default;
  // The address of a window procedure that hands every message to the sink (one sink at a time).
  virtual WindowProcedure SinkProcedure(WindowMessageSink& sink) = 0;
  // Installs the procedure on the window; returns the procedure it replaced, 0 on failure.
  virtual WindowProcedure SetWindowProcedure(WindowHandle window, WindowProcedure procedure) = 0;
  // CallWindowProc: runs the procedure for one message and returns its result.
  virtual std::intptr_t CallWindowProcedure(WindowProcedure procedure, WindowHandle window, std::uint32_t message,
                                            std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

}  // namespace tarvio::platform
