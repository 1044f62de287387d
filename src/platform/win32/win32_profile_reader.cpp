#include "platform/win32/win32_profile_reader.h"

#include <windows.h>

namespace tarvio::platform::win32 {

std::uint32_t Win32ProfileReader::GetProfileValue(const std::string& section, const std::string& key,
                                                  const std::string& defaultValue, char* buffer, std::uint32_t size,
                                                  const std::string& fileName) {
  if (buffer == nullptr || size == 0) return 0;
  return GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer, size, fileName.c_str());
}

}  // namespace tarvio::platform::win32
