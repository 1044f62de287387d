#pragma once
// The real back-ends of tarvio.exe in one piece, and the program's message loop.
#include <memory>

#include "platform/platform_bundle.h"

namespace tarvio::platform::win32 {

class Win32Platform {
 public:
  Win32Platform();
  ~Win32Platform();
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  PlatformBundle Bundle();
  // After a start-up that went through: runs the message loop until no window of the
  // program is open any more (the main window after its unload, or the info dialog when
  // it outlives it). Returns the program's exit code.
  int Run(bool started);

 private:
  struct BackEnds;
  std::unique_ptr<BackEnds> backEnds_;
};

}  // namespace tarvio::platform::win32
