#pragma once
// Handing documents and command lines to the system. Neither call waits or reports the
// outcome.
#include <string_view>

#include "platform/form.h"

namespace tarvio::platform {

enum class ShowCommand { Normal, Default };

class Shell {
 public:
  virtual ~Shell() = default;
  // The shell's "Open" on a path or an address, owned by the given window.
  virtual void Open(WindowHandle owner, std::string_view document, ShowCommand show) = 0;
  // Starts a new process from the command line.
  virtual void StartProcess(std::string_view commandLine, ShowCommand show) = 0;
};

}  // namespace tarvio::platform
