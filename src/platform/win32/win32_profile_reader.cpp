#include "platform/win32/win32_profile_reader.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/ansi.h"

namespace tarvio::platform::win32 {
namespace {

// The value buffer: the longest value a profile line can hand over to the program.
constexpr DWORD kValueBufferSize = 32767;

}  // namespace

std::string Win32ProfileReader::GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                          std::string_view fileName) {
  buffer_.resize(kValueBufferSize);
  const DWORD copied =
      GetPrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(), ToAnsi(defaultValue).c_str(),
                               buffer_.data(), kValueBufferSize, ToAnsi(fileName).c_str());
  // The result is the first n characters of the buffer, n the count the call returns; a
  // count beyond the buffer is not believed.
  return FromAnsi(std::string_view(buffer_.data(), std::min<DWORD>(copied, kValueBufferSize - 1)));
}

}  // namespace tarvio::platform::win32
