#pragma once
// Handing documents and command lines to the system. Neither call waits for the started
// program.
#include <string_view>

#include "platform/form.h"

namespace tarvio::platform {

enum class ShowCommand { Normal, Default };

class Shell {
 public:
  virtual ~Shell() = default;
  // The shell's "Open" on a path or an address, owned by the given window; the outcome is
  // not reported.
  virtual void Open(WindowHandle owner, std::string_view document, ShowCommand show) = 0;
  // Starts a program of Windows itself, such as "notepad.exe", from the folder where this
  // Windows keeps it, never from the program's or the current folder or the PATH, with
  // the command line as given. False when no such program starts.
  virtual bool StartSystemProgram(std::string_view program, std::string_view commandLine, ShowCommand show) = 0;
};

}  // namespace tarvio::platform
