#pragma once
// A file's bytes through the "A" file functions that every Windows from 95 on has.
#include "platform/file_reader.h"

namespace tarvio::platform::win32 {

class Win32FileReader final : public FileReader {
 public:
  std::optional<std::string> ReadAll(std::string_view fileName, std::size_t maxBytes) override;
};

}  // namespace tarvio::platform::win32
