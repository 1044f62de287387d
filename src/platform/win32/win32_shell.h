#pragma once
// ShellExecuteA, and CreateProcessA on a program of the system folder or the Windows
// folder.
#include "platform/shell.h"
#include "platform/win32/com_on_demand.h"

namespace tarvio::platform::win32 {

class Win32Shell final : public Shell {
 public:
  void Open(WindowHandle owner, std::string_view document, ShowCommand show) override;
  bool StartSystemProgram(std::string_view program, std::string_view commandLine, ShowCommand show) override;

 private:
  ComOnDemand com_;  // from the first document on
};

}  // namespace tarvio::platform::win32
