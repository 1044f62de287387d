#pragma once
// Reading the plan file: GetIniString (one value through the system's profile reader)
// and TimeKey (the HH:MM key of one minute).
#include <string>

namespace tarvio::platform {
class ProfileReader;
}

namespace tarvio::schedule {

inline constexpr const char* kPlanFileName = "Provider.INI";
inline constexpr const char* kDayTypeNames = "Werktags,Wochenende";

class IniReader {
 public:
  explicit IniReader(platform::ProfileReader& reader) : reader_(reader) {}

  // The value, or defaultValue when the file, section or key is missing. An empty
  // fileName reads the file named last (LastIniFile).
  std::string GetIniString(const std::string& section, const std::string& key, const std::string& defaultValue,
                           const std::string& fileName);

  std::string LastIniFile;

 private:
  platform::ProfileReader& reader_;
};

// "08:05" for hour 8 and minute 5 (hour and minute within a day).
std::string TimeKey(int hour, int minute);

}  // namespace tarvio::schedule
