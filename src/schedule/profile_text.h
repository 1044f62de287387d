#pragma once
// A plan's text read by the rules of the system's profile reader, for the plans in a
// Unicode form, which that reader does not read on every Windows (98 and ME read no
// UTF-16, no Windows knows the UTF-8 mark).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvio::schedule {

class ProfileText {
 public:
  explicit ProfileText(std::string_view utf8);

  // As GetPrivateProfileString gives it: section and key without regard to case (only the
  // first section of a name is read, and in it the first key of a name), the value without
  // its surrounding blanks and without one pair of enclosing quotation marks, cut to 32766
  // characters; defaultValue when the section, the key or the key's equals sign is missing.
  std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

 private:
  struct Entry {
    std::string key;
    std::optional<std::string> value;  // nothing for a line without an equals sign
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  std::vector<Section> sections_;  // the first one holds the lines before any section header
};

}  // namespace tarvio::schedule
