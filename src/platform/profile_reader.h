#pragma once
// The system's profile (INI) reader, which the plan file is read through.
#include <string>
#include <string_view>

namespace tarvio::platform {

class ProfileReader {
 public:
  virtual ~ProfileReader() = default;
  // The value of key in section of the file (section and key without regard to case,
  // surrounding blanks and quotation marks dropped), or defaultValue when the file, the
  // section or the key is missing. Values longer than 32766 characters are cut.
  virtual std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                std::string_view fileName) = 0;
};

}  // namespace tarvio::platform
