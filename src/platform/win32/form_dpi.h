#pragma once
// The DPI a form is laid out for. With per-monitor awareness (the manifest asks for it),
// Windows 8.1 and later give each monitor its own DPI and tell a window when it moves to
// another one, or when the user changes the scale, with WM_DPICHANGED; earlier Windows
// have one DPI for the whole session, the screen's.
#include <windows.h>

namespace tarvio::platform::win32 {

// The window's DPI where Windows tells it (GetDpiForWindow, Windows 10 1607 on, looked up
// at run time), else the DPI given: Windows 8.1 tells only by WM_DPICHANGED.
int WindowDpi(HWND window, int otherwise);

// A system metric (an icon's size) for the DPI: GetSystemMetricsForDpi where Windows has
// it, else the session's metric scaled from the screen's DPI.
int SystemMetricForDpi(int index, int dpi);

}  // namespace tarvio::platform::win32
