#pragma once
// Reading the plan file: GetIniString (one value through the platform's profile
// reader) and TimeKey (the HH:MM key of one minute).
#include <string>
#include <vector>

namespace tarvio::platform {
class AnsiCodec;
class ProfileReader;
}  // namespace tarvio::platform

namespace tarvio::schedule {

inline constexpr const char* kPlanFileName = "Provider.INI";
inline constexpr const char* kDayTypeNames = "Werktags,Wochenende";

class IniReader {
 public:
  IniReader(platform::ProfileReader& reader, const platform::AnsiCodec& codec) : reader_(reader), codec_(codec) {}

  // The value, or defaultValue when the file, section or key is missing; values are cut
  // to fit a 32767-character buffer with its terminating zero. An empty fileName reads the file named last (LastIniFile).
  std::string GetIniString(const std::string& section, const std::string& key, const std::string& defaultValue,
                           const std::string& fileName);

  std::string LastIniFile;

 private:
  platform::ProfileReader& reader_;
  const platform::AnsiCodec& codec_;
  std::vector<char> buffer_;  // kept between calls only to spare 32 KB of allocation per look-up
};

// "08:05" for hour 8 and minute 5 (hour and minute within a day).
std::string TimeKey(int hour, int minute);

}  // namespace tarvio::schedule
