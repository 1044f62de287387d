#pragma once
// Files of Windows itself, always named by their full paths: a DLL or a program of the
// same name in the program's folder, the current folder or on the PATH never stands in.
#include <windows.h>

#include <string>

namespace tarvio::platform::win32 {

// The system folder and the Windows folder as the system names them (ANSI), each with
// one backslash at the end; "" where the system does not say.
std::string SystemFolder();
std::string WindowsFolder();

// The DLL of that name in the system folder, loaded by its full path; the DLLs it imports
// are looked up in the system folder first too. Null where it is missing, and no box of
// the system's says so.
HMODULE LoadSystemLibrary(const char* name);

// A function looked up at run time, as the caller's function type: through the generic
// function type, which any function pointer converts to.
template <typename Function>
Function AsFunction(FARPROC found) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace tarvio::platform::win32
