#pragma once
// COM on this thread from the first call that needs it until the owner goes. The program
// does not import ole32: it is loaded by full path from the system folder when COM is
// first started, so a run that never needs COM never maps it. Whoever starts it first
// calls LoadDllsTheShellAsksForLater (dll_search.h).
#include <windows.h>

#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {

class ComOnDemand {
 public:
  ComOnDemand() = default;
  ~ComOnDemand();
  ComOnDemand(const ComOnDemand&) = delete;
  ComOnDemand& operator=(const ComOnDemand&) = delete;

  // A single-threaded apartment without OLE 1's DDE, as the shell asks for, started once;
  // false where ole32 is missing or COM refuses.
  bool Start();

 private:
  ScopedLibrary ole32_;
  void(WINAPI* uninitialize_)() = nullptr;  // once COM runs
};

}  // namespace tarvio::platform::win32
