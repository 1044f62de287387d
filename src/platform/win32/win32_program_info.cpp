#include "platform/win32/win32_program_info.h"

#include <windows.h>

#include <cstring>
#include <string>

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
  // The program's own version resource, read in place: GetFileVersionInfoA would import
  // version.dll, which is no KnownDLL, so a copy beside the program would be loaded
  // before the program's first line.
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16) /* RT_VERSION */);
  const DWORD size = found != nullptr ? SizeofResource(nullptr, found) : 0;
  HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
  const auto* block = static_cast<const unsigned char*>(loaded != nullptr ? LockResource(loaded) : nullptr);
  if (block == nullptr) return {};
  // VS_VERSIONINFO: three WORDs, the UTF-16 key "VS_VERSION_INFO" up to its null, zero
  // words up to the next 32-bit boundary, then the VS_FIXEDFILEINFO.
  std::size_t at = 3 * sizeof(WORD);
  while (at + sizeof(WCHAR) <= size && (block[at] != 0 || block[at + 1] != 0)) at += sizeof(WCHAR);
  at = (at + sizeof(WCHAR) + 3) / 4 * 4;
  VS_FIXEDFILEINFO fixed{};
  if (at + sizeof fixed > size) return {};
  std::memcpy(&fixed, block + at, sizeof fixed);
  if (fixed.dwSignature != 0xFEEF04BD) return {};
  return {HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS), HIWORD(fixed.dwFileVersionLS),
          LOWORD(fixed.dwFileVersionLS)};
}

}  // namespace tarvio::platform::win32
