#pragma once
// Handing documents and command lines to the system. Text is UTF-8; the back-end
// converts it for the "A" functions. Neither call waits or reports the outcome.
#include <string>

#include "platform/form.h"

namespace tarvio::platform {

inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShowDefault = 10;

class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecute(owner, operation, file, no parameters, no directory, showCommand).
  virtual void Execute(WindowHandle owner, const std::string& operation, const std::string& file,
                       int showCommand) = 0;
  // Starts a new process from the command line with the given window style.
  virtual void StartProcess(const std::string& commandLine, int windowStyle) = 0;
};

}  // namespace tarvio::platform
