#pragma once
// The window class every form of the program uses.

namespace tarvio::platform::win32 {

inline constexpr const char* kFormClassName = "TarvioForm";

// Registers the class once per process; later calls do nothing.
void RegisterFormClass();

}  // namespace tarvio::platform::win32
