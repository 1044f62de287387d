#pragma once
// The system's own profile reader, GetPrivateProfileStringA.
#include "platform/profile.h"

namespace tarvio::platform::win32 {

class Win32ProfileReader final : public ProfileReader {
 public:
  std::uint32_t GetProfileValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                                char* buffer, std::uint32_t size, const std::string& fileName) override;
};

}  // namespace tarvio::platform::win32
