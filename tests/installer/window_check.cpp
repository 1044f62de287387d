// Test helper for the installer tests: waits until a top-level window with the
// given title exists and checks which program owns it.
//
//   window_check TITLE TIMEOUT_MS [EXPECTED_PROGRAM_PATH] [--terminate]
//
// Exit codes: 0 found (and owned by the expected program), 1 not found in time,
// 2 found but owned by another program, 3 bad arguments.
// --terminate ends the owning process afterwards, so a test can stop the program
// it started without touching anything else.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Handle {
  HANDLE value;
  explicit Handle(HANDLE h) : value(h) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (value != nullptr) CloseHandle(value);
  }
};

std::string ProgramPathOf(HANDLE process) {
  char path[MAX_PATH * 4] = {};
  DWORD size = sizeof(path);
  if (QueryFullProcessImageNameA(process, 0, path, &size) == 0) return {};
  return std::string(path, size);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: window_check TITLE TIMEOUT_MS [PROGRAM] [--terminate]\n");
    return 3;
  }
  const char* title = argv[1];
  const long timeout_ms = std::strtol(argv[2], nullptr, 10);
  std::string expected;
  bool terminate = false;
  for (int i = 3; i < argc; ++i) {
    if (std::string(argv[i]) == "--terminate") {
      terminate = true;
    } else {
      expected = argv[i];
    }
  }

  constexpr long kPollMs = 100;
  HWND window = nullptr;
  for (long waited = 0; window == nullptr; waited += kPollMs) {
    window = FindWindowA(nullptr, title);
    if (window != nullptr) break;
    if (waited >= timeout_ms) {
      std::printf("no top-level window \"%s\" after %ld ms\n", title, timeout_ms);
      return 1;
    }
    Sleep(static_cast<DWORD>(kPollMs));
  }

  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  Handle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process_id));
  if (process.value == nullptr) {
    std::printf("window \"%s\" found, but its process %lu cannot be opened\n", title,
                static_cast<unsigned long>(process_id));
    return 2;
  }
  const std::string actual = ProgramPathOf(process.value);
  std::printf("window \"%s\" belongs to %s\n", title, actual.c_str());
  int result = 0;
  if (!expected.empty() && lstrcmpiA(actual.c_str(), expected.c_str()) != 0) {
    std::printf("expected %s\n", expected.c_str());
    result = 2;
  }
  if (terminate) {
    TerminateProcess(process.value, 0);
    WaitForSingleObject(process.value, 5000);
  }
  return result;
}
