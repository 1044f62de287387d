#pragma once
// The controls of a form, each a real Windows control built from its ControlSpec.
#include <windows.h>

#include <vector>

#include "platform/form.h"
#include "platform/win32/win32_screen.h"

namespace tarvio::platform::win32 {

// The control as a child of the form window itself, also inside a frame, so that the
// dialog keyboard sees every control as a sibling; placed from its twips, which count
// from its frames, and shown in the font given. Null when the system refuses it.
HWND CreateFormControl(HWND form, const ControlSpec& control, const std::vector<ControlSpec>& controls, ScreenDpi dpi,
                       HFONT font);

// The control laid out again for another DPI: its font, then its place from its twips.
void PlaceFormControl(HWND window, const ControlSpec& control, const std::vector<ControlSpec>& controls, ScreenDpi dpi,
                      HFONT font);

}  // namespace tarvio::platform::win32
