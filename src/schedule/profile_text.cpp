#include "schedule/profile_text.h"

#include <algorithm>
#include <cstddef>

#include "platform/text_compare.h"
#include "platform/utf8.h"

namespace tarvio::schedule {
namespace {

// The longest value the system's reader hands over: its buffer of 32767 characters, the
// last one for the terminating null.
constexpr std::size_t kLongestValue = 32766;

// What the profile reader drops around lines, names and values: the blanks and control
// characters of ASCII from tab to carriage return, and Ctrl+Z, the end of a DOS file.
bool IsProfileBlank(char c) { return (c >= '\t' && c <= '\r') || c == '\x1A' || c == ' '; }

std::string_view TrimStart(std::string_view s) {
  while (!s.empty() && IsProfileBlank(s.front())) s.remove_prefix(1);
  return s;
}
std::string_view TrimEnd(std::string_view s) {
  while (!s.empty() && IsProfileBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A null character ends a name or a value, as it ends the C strings the reader keeps.
std::string UpToNull(std::string_view s) { return std::string(s.substr(0, s.find('\0'))); }

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The first kLongestValue UTF-16 units, never half a character.
std::string_view CutToLongestValue(std::string_view value) {
  std::size_t units = 0;
  for (std::size_t pos = 0; pos < value.size();) {
    const std::size_t start = pos;
    units += platform::NextCodePoint(value, pos) >= 0x10000 ? 2u : 1u;
    if (units > kLongestValue) return value.substr(0, start);
  }
  return value;
}

}  // namespace

ProfileText::ProfileText(std::string_view utf8) : sections_(1) {
  // A line ends at a carriage return, a line feed or any run of them.
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t end = std::min(utf8.find_first_of("\r\n", pos), utf8.size());
    const std::string_view line = TrimEnd(TrimStart(utf8.substr(pos, end - pos)));
    pos = std::min(utf8.find_first_not_of("\r\n", end), utf8.size());
    if (line.empty()) continue;
    // "[name]", the name without blanks around it; whatever follows the last closing
    // bracket is ignored.
    if (const std::size_t close = line.rfind(']'); line.front() == '[' && close != std::string_view::npos) {
      sections_.push_back({UpToNull(TrimEnd(TrimStart(line.substr(1, close - 1)))), {}});
      continue;
    }
    // A comment is a key that starts with ";", which no look-up asks for.
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      sections_.back().entries.push_back({UpToNull(line), std::nullopt});
    } else {
      sections_.back().entries.push_back(
          {UpToNull(TrimEnd(line.substr(0, equals))), UpToNull(TrimStart(line.substr(equals + 1)))});
    }
  }
}

std::string ProfileText::GetString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
  section = TrimEnd(TrimStart(section));
  key = TrimEnd(TrimStart(key));
  for (const Section& s : sections_) {
    if (!platform::EqualsNoCase(s.name, section)) continue;
    for (const Entry& entry : s.entries) {
      if (!platform::EqualsNoCase(entry.key, key)) continue;
      return std::string(entry.value ? CutToLongestValue(Unquoted(*entry.value)) : defaultValue);
    }
    break;
  }
  return std::string(defaultValue);
}

}  // namespace tarvio::schedule
