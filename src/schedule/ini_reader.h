#pragma once
// Reading the plan file: GetIniString (one value) and TimeKey (the HH:MM key of one minute).
// A plan in the ANSI code page is read through the system's profile reader, as ever; one in
// a Unicode form (UTF-16, UTF-8) by ProfileText, with the same rules, on every Windows.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "schedule/profile_text.h"

namespace tarvio::platform {
class AnsiCodePage;
class FileReader;
class ProfileReader;
}  // namespace tarvio::platform

namespace tarvio::schedule {

inline constexpr const char* kPlanFileName = "Provider.INI";
inline constexpr const char* kDayTypeNames = "Werktags,Wochenende";

// A plan of every minute, in UTF-16, with long names and comments stays far below this; a
// file beyond it is left to the system's reader.
inline constexpr std::size_t kLongestUnicodePlan = 1024 * 1024;

class IniReader {
 public:
  IniReader(platform::ProfileReader& reader, platform::FileReader& files, const platform::AnsiCodePage& ansi)
      : reader_(reader), files_(files), ansi_(ansi) {}

  // The value, or defaultValue when the file, section or key is missing. A call that names
  // the file reads it and decides its form; one with an empty fileName reads the file named
  // last (LastIniFile) as it was read then (the system's reader reads an ANSI plan anew).
  std::string GetIniString(const std::string& section, const std::string& key, const std::string& defaultValue,
                           const std::string& fileName);

  // False for a value GetIniString took from a plan in a Unicode form that the ANSI code
  // page cannot hold: the dial-up entries come in that code page, so it names none of them,
  // whatever it equals without regard to case.
  bool CanNameEntry(std::string_view value) const;

  std::string LastIniFile;

 private:
  platform::ProfileReader& reader_;
  platform::FileReader& files_;
  const platform::AnsiCodePage& ansi_;
  std::optional<ProfileText> unicodePlan_;  // the file as read last, when in a Unicode form
};

// "08:05" for hour 8 and minute 5 (hour and minute within a day).
std::string TimeKey(int hour, int minute);

}  // namespace tarvio::schedule
