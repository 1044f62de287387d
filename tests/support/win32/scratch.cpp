#include "support/win32/scratch.h"

#include <windows.h>

#include <fstream>

namespace tarvio::test {
namespace {

std::string UniqueName() {
  static unsigned counter = 0;
  return "TarvioTest-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) + "-" +
         std::to_string(++counter);
}

}  // namespace

ScratchKey::ScratchKey() : path_("Software\\" + UniqueName()) {
  HKEY key = nullptr;
  if (RegCreateKeyA(HKEY_CURRENT_USER, path_.c_str(), &key) == ERROR_SUCCESS) RegCloseKey(key);
}

ScratchKey::~ScratchKey() {
  RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
}

ScratchFile::ScratchFile(const std::string& bytes) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  path_ = std::string(folder) + UniqueName() + ".ini";
  std::ofstream(path_, std::ios::binary) << bytes;
}

ScratchFile::~ScratchFile() { DeleteFileA(path_.c_str()); }

}  // namespace tarvio::test
