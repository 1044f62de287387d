#include "schedule/ini_reader.h"

#include <algorithm>
#include <cstdint>

#include "platform/ansi_codec.h"
#include "platform/profile.h"

namespace tarvio::schedule {
namespace {

// The value buffer: the longest value a profile line can hand over to the program.
constexpr std::uint32_t kValueBufferSize = 32767;

}  // namespace

std::string IniReader::GetIniString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
  if (!fileName.empty()) LastIniFile = fileName;
  if (buffer_.size() != kValueBufferSize) buffer_.assign(kValueBufferSize, ' ');
  const std::uint32_t copied =
      reader_.GetProfileValue(codec_.ToAnsi(section), codec_.ToAnsi(key), codec_.ToAnsi(defaultValue),
                              buffer_.data(), kValueBufferSize, codec_.ToAnsi(LastIniFile));
  // A reader that claims more than the buffer holds is not believed.
  const std::string_view value(buffer_.data(), std::min<std::size_t>(copied, kValueBufferSize - 1));
  return codec_.FromAnsi(value);
}

std::string TimeKey(int hour, int minute) {
  const auto twoDigits = [](int n) {
    std::string text = std::to_string(n);
    if (text.size() < 2) text.insert(0, 2 - text.size(), '0');
    return text;
  };
  return twoDigits(hour) + ":" + twoDigits(minute);
}

}  // namespace tarvio::schedule
