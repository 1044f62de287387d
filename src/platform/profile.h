#pragma once
// The platform's profile (INI) reader. All text here is 8-bit ANSI text.
#include <cstdint>
#include <string>

namespace tarvio::platform {

class ProfileReader {
 public:
  virtual ~ProfileReader() = default;

  // GetPrivateProfileStringA with a section and a key (never null): copies the value,
  // or the default when the file, section or key is missing, into buffer (size bytes,
  // size > 0), cut to size - 1 characters and zero-terminated; returns the characters
  // copied without the zero. The file is always given as a full path.
  virtual std::uint32_t GetProfileValue(const std::string& section, const std::string& key,
                                                const std::string& defaultValue, char* buffer,
                                         std::uint32_t size, const std::string& fileName) = 0;
};

}  // namespace tarvio::platform
