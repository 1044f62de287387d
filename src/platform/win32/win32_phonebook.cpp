#include "platform/win32/win32_phonebook.h"

#include <windows.h>
#include <ras.h>
#include <raserror.h>

#include <cstring>

#include "platform/win32/ansi.h"
#include "platform/win32/scoped.h"
#include "platform/win32/system_files.h"

namespace tarvio::platform::win32 {
namespace {

// Windows 95 to NT 4 know only the first form of the record (size and name); they
// refuse the longer one with ERROR_INVALID_SIZE.
struct RasEntryNameFirstForm {
  DWORD dwSize;
  CHAR szEntryName[RAS_MaxEntryName + 1];
};

using RasEnumEntriesFunction = DWORD(WINAPI*)(LPCSTR, LPCSTR, LPRASENTRYNAMEA, LPDWORD, LPDWORD);

std::vector<std::string> Enumerate(RasEnumEntriesFunction RasEnumEntriesA, DWORD recordSize) {
  std::vector<std::string> names;
  DWORD bytes = recordSize;
  DWORD count = 0;
  std::vector<unsigned char> buffer(recordSize);
  for (int attempt = 0; attempt < 4; ++attempt) {
    // Every record of the buffer carries its size, as the call expects.
    for (std::size_t at = 0; at + recordSize <= buffer.size(); at += recordSize) {
      std::memcpy(buffer.data() + at, &recordSize, sizeof recordSize);
    }
    bytes = static_cast<DWORD>(buffer.size());
    const DWORD result =
        RasEnumEntriesA(nullptr, nullptr, reinterpret_cast<LPRASENTRYNAMEA>(buffer.data()), &bytes, &count);
    if (result == ERROR_BUFFER_TOO_SMALL && bytes > buffer.size()) {
      buffer.assign((bytes + recordSize - 1) / recordSize * recordSize, 0);
      continue;
    }
    if (result != ERROR_SUCCESS) return {};
    const std::size_t fit = buffer.size() / recordSize;
    for (std::size_t i = 0; i < count && i < fit; ++i) {
      const char* name = reinterpret_cast<const char*>(buffer.data() + i * recordSize + sizeof(DWORD));
      names.emplace_back(name, strnlen(name, RAS_MaxEntryName + 1));
    }
    return names;
  }
  return {};
}

}  // namespace

std::vector<std::string> Win32Phonebook::EntryNames() {
  // Dial-up networking is an optional part of Windows 98 and ME: without it there is no
  // rasapi32.dll, and a program that imported it would not start at all. Looked up here,
  // in the system folder only: rasapi32 is no KnownDLL, so its bare name would find one
  // beside the program first. Kept until the end: freed, it would take the DLLs it loads
  // with it, and these would be looked up again, by name, at the next listing.
  if (!ras_) ras_.Reset(LoadSystemLibrary("rasapi32.dll"));
  const FARPROC found = ras_ ? GetProcAddress(ras_.Get(), "RasEnumEntriesA") : nullptr;
  if (found == nullptr) return {};
  const auto enumerate = AsFunction<RasEnumEntriesFunction>(found);
  std::vector<std::string> names = Enumerate(enumerate, sizeof(RASENTRYNAMEA));
  if (names.empty()) names = Enumerate(enumerate, sizeof(RasEntryNameFirstForm));
  for (std::string& name : names) name = FromAnsi(name);
  return names;
}

}  // namespace tarvio::platform::win32
