// tarvio_resources.exe [CLASS]: what the running tarvio.exe holds, read from outside for
// the soak run (scripts/soak.sh) and the memory benchmark (resident_sets.sh): working set
// in KiB, kernel handles, GDI objects, USER objects and its windows. With a window class,
// the program whose top-level window has that class instead. Wine 8 answers 0 for handles,
// GDI and USER objects; the handles are then counted one by one, as the windows always
// are, by their values.
#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>

#include "platform/win32/form_class.h"

int main(int argc, char** argv) {
  const HWND main =
      argc > 1 ? FindWindowA(argv[1], nullptr) : FindWindowA(tarvio::platform::win32::kFormClassName, "Tarvio");
  DWORD id = 0, reported = 0, counted = 0, windows = 0;
  if (main == nullptr || GetWindowThreadProcessId(main, &id) == 0) return 1;
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_DUP_HANDLE, FALSE, id);
  if (process == nullptr) return 1;
  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(process, &memory, sizeof memory);
  GetProcessHandleCount(process, &reported);
  for (std::uintptr_t value = 1; value < 0x10000; ++value) {
    const auto window = reinterpret_cast<HWND>(value);
    DWORD owner = 0;
    HANDLE copy = nullptr;
    windows += IsWindow(window) && GetWindowThreadProcessId(window, &owner) && owner == id;
    counted += value % 4 == 0 &&
               DuplicateHandle(process, reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &copy, 0, FALSE,
                               DUPLICATE_SAME_ACCESS) &&
               CloseHandle(copy);
  }
  std::printf("%lu %lu %lu %lu %lu\n", static_cast<unsigned long>(memory.WorkingSetSize / 1024),
              reported != 0 ? reported : counted, GetGuiResources(process, GR_GDIOBJECTS),
              GetGuiResources(process, GR_USEROBJECTS), windows);
  CloseHandle(process);
  return 0;
}
