#pragma once
// The system's own profile reader, GetPrivateProfileStringA.
#include <vector>

#include "platform/profile_reader.h"

namespace tarvio::platform::win32 {

class Win32ProfileReader final : public ProfileReader {
 public:
  std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                        std::string_view fileName) override;

 private:
  std::vector<char> buffer_;  // kept between calls only to spare 32 KB of allocation per look-up
};

}  // namespace tarvio::platform::win32
