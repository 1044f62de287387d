#include "schedule/ini_reader.h"

#include "platform/ansi_code_page.h"
#include "platform/file_reader.h"
#include "platform/profile_reader.h"
#include "schedule/plan_encoding.h"

namespace tarvio::schedule {

std::string IniReader::GetIniString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                    const std::string& fileName) {
  if (!fileName.empty()) {
    LastIniFile = fileName;
    unicodePlan_.reset();
    if (const std::optional<std::string> bytes = files_.ReadAll(LastIniFile, kLongestUnicodePlan)) {
      const PlanEncoding encoding = DecidePlanEncoding(*bytes, ansi_.TakesUtf8WithoutMark());
      if (encoding != PlanEncoding::Ansi) unicodePlan_.emplace(UnicodePlanText(*bytes, encoding));
    }
  }
  if (unicodePlan_) return unicodePlan_->GetString(section, key, defaultValue);
  return reader_.GetString(section, key, defaultValue, LastIniFile);
}

bool IniReader::CanNameEntry(std::string_view value) const { return !unicodePlan_ || ansi_.Holds(value); }

std::string TimeKey(int hour, int minute) {
  const auto twoDigits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return twoDigits(hour) + ":" + twoDigits(minute);
}

}  // namespace tarvio::schedule
