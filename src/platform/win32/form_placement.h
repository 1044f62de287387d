#pragma once
// Where a form's window goes and how large it is.
#include <windows.h>

namespace tarvio::platform::win32 {

// Corrects the outer size until the client area is exactly this size: the title bar may
// wrap or differ from what AdjustWindowRectEx expected.
void FitClientArea(HWND window, int width, int height);

// The middle of the screen, for the outer size the window has.
void CenterOnScreen(HWND window);

}  // namespace tarvio::platform::win32
