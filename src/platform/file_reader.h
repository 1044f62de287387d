#pragma once
// A file's bytes as they lie on the disk: the plan file, whose form (ANSI, UTF-8 or UTF-16)
// the program decides itself.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvio::platform {

class FileReader {
 public:
  virtual ~FileReader() = default;
  // The whole file, or nothing when it is missing, cannot be read or is longer than
  // maxBytes.
  virtual std::optional<std::string> ReadAll(std::string_view fileName, std::size_t maxBytes) = 0;
};

}  // namespace tarvio::platform
