#include "platform/win32/win32_file_reader.h"

#include <windows.h>

#include "platform/win32/ansi.h"
#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {

std::optional<std::string> Win32FileReader::ReadAll(std::string_view fileName, std::size_t maxBytes) {
  // Shared for writing too: an editor that keeps the file open must not keep it from being
  // read. (FILE_SHARE_DELETE is unknown to Windows 98.)
  HANDLE opened = CreateFileA(ToAnsi(fileName).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return std::nullopt;
  const ScopedHandle file(opened);
  DWORD high = 0;
  const DWORD size = GetFileSize(file.Get(), &high);
  if (size == INVALID_FILE_SIZE || high != 0 || size > maxBytes) return std::nullopt;
  std::string bytes(size, '\0');
  DWORD read = 0;
  // The size asked for first: a file that grows meanwhile is read up to it, one that
  // shrinks up to its end.
  if (size > 0 && !ReadFile(file.Get(), bytes.data(), size, &read, nullptr)) return std::nullopt;
  bytes.resize(read);
  return bytes;
}

}  // namespace tarvio::platform::win32
