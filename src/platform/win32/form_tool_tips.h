#pragma once
// The tool tips of a form's controls: one tool tip window per form, made with the first tip.
#include <windows.h>

#include <string>

#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {

class FormToolTips {
 public:
  // Sets or replaces the tip of a control of the form.
  void Set(HWND form, HWND control, const std::string& text);

 private:
  ScopedWindow window_;
};

}  // namespace tarvio::platform::win32
