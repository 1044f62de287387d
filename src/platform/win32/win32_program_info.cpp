#include "platform/win32/win32_program_info.h"

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/ansi.h"

namespace tarvio::platform::win32 {
namespace {

// GetModuleFileNameA cuts the path to the buffer without saying so except by filling it;
// the buffer grows until the path fits.
std::string ModuleFileNameAnsi() {
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string Win32ProgramInfo::ProgramFilePath() const { return FromAnsi(ModuleFileNameAnsi()); }

ProgramVersion Win32ProgramInfo::Version() const {
  const std::string path = ModuleFileNameAnsi();
  if (path.empty()) return {};
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return {};
  void* block = nullptr;
  UINT blockSize = 0;
  char root[] = "\\";
  if (!VerQueryValueA(data.data(), root, &block, &blockSize) || block == nullptr ||
      blockSize < sizeof(VS_FIXEDFILEINFO)) {
    return {};
  }
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(block);
  return {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
          LOWORD(fixed->dwFileVersionLS)};
}

}  // namespace tarvio::platform::win32
