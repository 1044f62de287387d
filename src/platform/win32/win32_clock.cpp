#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace tarvio::platform::win32 {

LocalTime Win32Clock::Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return LocalTime{t.wDayOfWeek, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace tarvio::platform::win32
