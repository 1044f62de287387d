#pragma once
// Subclassing through the window's GWL_WNDPROC slot; the replacement procedure hands
// every message to one sink (the program hooks one window).
#include "platform/window_hook.h"

namespace tarvio::platform::win32 {

class Win32WindowHook final : public WindowHook {
 public:
  WindowProcedure SinkProcedure(WindowMessageSink& sink) override;
  WindowProcedure SetWindowProcedure(WindowHandle window, WindowProcedure procedure) override;
  std::intptr_t CallWindowProcedure(WindowProcedure procedure, WindowHandle window, std::uint32_t message,
                                    std::uintptr_t wParam, std::intptr_t lParam) override;
};

}  // namespace tarvio::platform::win32
