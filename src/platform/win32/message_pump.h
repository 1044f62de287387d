#pragma once
// The program's message loop and the yield, both with the dialog keyboard for forms:
// Tab moves between controls, Enter and space press the focused button, Alt with a
// letter presses the button of that access key.

namespace tarvio::platform::win32 {

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();
// Processes every pending message, then returns. A WM_QUIT seen here is posted again so
// that the main loop still ends.
void PumpPendingMessages();

}  // namespace tarvio::platform::win32
