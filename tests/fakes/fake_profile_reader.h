#pragma once
// The plan file: its bytes, and the system's profile reader on them, which knows no
// byte-order mark and no UTF-16, as on Windows 98.
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "platform/file_reader.h"
#include "platform/profile_reader.h"

namespace tarvio::test {

class FakeProfileReader final : public platform::ProfileReader, public platform::FileReader {
 public:
  // "[Werktags]\n08:00=DayLine\n...": the plan file, read as it is (no blanks, no quotes).
  void Write(const std::string& text) {
    file = text;
    plan.clear();
    std::istringstream lines(text);
    std::string line, section;
    while (std::getline(lines, line)) {
      if (line.starts_with('[')) section = line.substr(1, line.find(']') - 1);
      if (const auto equals = line.find('='); equals != std::string::npos) {
        plan[section].emplace(line.substr(0, equals), line.substr(equals + 1));
      }
    }
  }
  std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                        std::string_view fileName) override {
    ++reads;
    lastFile = fileName;
    const auto s = plan.find(std::string(section));
    if (s == plan.end()) return std::string(defaultValue);
    const auto k = s->second.find(std::string(key));
    return k == s->second.end() ? std::string(defaultValue) : k->second;
  }
  std::optional<std::string> ReadAll(std::string_view, std::size_t maxBytes) override {
    return file.size() <= maxBytes ? std::optional(file) : std::nullopt;
  }

  std::string file;
  std::map<std::string, std::map<std::string, std::string>> plan;
  int reads = 0;  // of the system's reader
  std::string lastFile;
};

}  // namespace tarvio::test
