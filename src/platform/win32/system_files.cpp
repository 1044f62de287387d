#include "platform/win32/system_files.h"

namespace tarvio::platform::win32 {
namespace {

std::string Folder(UINT(WINAPI* whereIs)(LPSTR, UINT)) {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = whereIs(buffer, sizeof buffer);
  // A length beyond the buffer is the size the path would need: never the case for the
  // folders of Windows, and no half path is used.
  if (length == 0 || length >= sizeof buffer) return {};
  std::string folder(buffer, length);
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

std::string SystemFolder() { return Folder(&GetSystemDirectoryA); }

std::string WindowsFolder() { return Folder(&GetWindowsDirectoryA); }

HMODULE LoadSystemLibrary(const char* name) {
  const std::string folder = SystemFolder();
  if (folder.empty()) return nullptr;
  // LOAD_WITH_ALTERED_SEARCH_PATH: the DLLs it imports are looked for in its own folder
  // instead of the program's. Without the error mode, Windows 98 shows a box for a
  // missing library or one of its imports.
  const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE library = LoadLibraryExA((folder + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  SetErrorMode(errorMode);
  return library;
}

}  // namespace tarvio::platform::win32
