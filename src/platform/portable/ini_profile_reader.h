#pragma once
// A profile (INI) reader that gives the answers of GetPrivateProfileStringA without
// Windows: the file is read again on every call, since the user edits it while the
// program runs.
#include <cstdint>
#include <string>

#include "platform/profile.h"

namespace tarvio::platform::portable {

class IniProfileReader final : public ProfileReader {
 public:
  std::uint32_t GetProfileValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                                char* buffer, std::uint32_t size, const std::string& fileName) override;

 private:
  std::string content_;  // the file as last read; reused only to spare an allocation per call
};

}  // namespace tarvio::platform::portable
