#include "platform/win32/win32_registry_scratch.h"

#include <windows.h>

#include <string>

namespace tarvio::platform::win32 {
namespace {

HKEY ToHkey(RegKey key) {
  if (key == kHkeyCurrentUser) return HKEY_CURRENT_USER;
  if (key == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
  return reinterpret_cast<HKEY>(key);
}

// RegDeleteKeyA removes only keys without subkeys, so the children go first.
LSTATUS DeleteBelow(HKEY parent, const std::string& name) {
  HKEY key = nullptr;
  LSTATUS status = RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, &key);
  if (status != ERROR_SUCCESS) return status;
  char child[256];
  for (;;) {
    DWORD length = sizeof child;
    if (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (DeleteBelow(key, std::string(child, length)) != ERROR_SUCCESS) break;
  }
  RegCloseKey(key);
  return RegDeleteKeyA(parent, name.c_str());
}

}  // namespace

RegStatus DeleteKeyTree(RegKey root, const std::string& subKey) { return DeleteBelow(ToHkey(root), subKey); }

std::string UniqueScratchName() {
  static unsigned counter = 0;
  ++counter;
  return "p" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) + "-" +
         std::to_string(counter);
}

bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace tarvio::platform::win32
