#include "schedule/ini_reader.h"

#include "platform/profile_reader.h"

namespace tarvio::schedule {

std::string IniReader::GetIniString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                    const std::string& fileName) {
  if (!fileName.empty()) LastIniFile = fileName;
  return reader_.GetString(section, key, defaultValue, LastIniFile);
}

std::string TimeKey(int hour, int minute) {
  const auto twoDigits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return twoDigits(hour) + ":" + twoDigits(minute);
}

}  // namespace tarvio::schedule
