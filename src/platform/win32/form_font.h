#pragma once
// The fonts of a form's controls, created for the screen's DPI.
#include <string>

#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {

// The font the layouts' twips were made for, 8 points at the screen's DPI: Microsoft
// Sans Serif (TrueType, Windows 2000 and later; the widths of MS Sans Serif, and it
// scales with the DPI), else MS Sans Serif (the bitmap font of Windows 98 and ME, in its
// set for 96 or 120 dpi), else the system's dialog font, DEFAULT_GUI_FONT.
ScopedFont CreateLayoutFont(int dpiY);

// A face and size a control asks for itself; the system's nearest where it lacks the face.
ScopedFont CreateNamedFont(const std::string& face, double points, int dpiY);

}  // namespace tarvio::platform::win32
