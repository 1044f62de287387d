#pragma once
// The tool tips of a form's controls: one tool tip window per form, made with the first tip.
// The form's window owns it, and Windows destroys owned windows with their owner, before
// the owner's WM_DESTROY: the handle is only a name here, never destroyed by the program.
#include <windows.h>

#include <string>

#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {

class FormToolTips {
 public:
  // Sets or replaces the tip of a control of the form.
  void Set(HWND form, HWND control, const std::string& text);
  // The tips in the system's tool tip font and width for the form's DPI.
  void ScaleTo(int dpi);

 private:
  void ApplyScale();

  HWND window_ = nullptr;
  int dpi_ = 0;  // 0: the screen's
  ScopedFont font_;
};

}  // namespace tarvio::platform::win32
