#pragma once
// ShellExecuteA and CreateProcessA, with text converted to the ANSI code page.
#include "platform/shell.h"

namespace tarvio::platform {
class AnsiCodec;
}

namespace tarvio::platform::win32 {

class Win32Shell final : public Shell {
 public:
  explicit Win32Shell(const AnsiCodec& codec) : codec_(codec) {}
  void Execute(WindowHandle owner, const std::string& operation, const std::string& file, int showCommand) override;
  void StartProcess(const std::string& commandLine, int windowStyle) override;

 private:
  const AnsiCodec& codec_;
};

}  // namespace tarvio::platform::win32
