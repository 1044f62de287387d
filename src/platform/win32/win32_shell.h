#pragma once
// ShellExecuteA and CreateProcessA.
#include "platform/shell.h"

namespace tarvio::platform::win32 {

class Win32Shell final : public Shell {
 public:
  void Open(WindowHandle owner, std::string_view document, ShowCommand show) override;
  void StartProcess(std::string_view commandLine, ShowCommand show) override;
};

}  // namespace tarvio::platform::win32
