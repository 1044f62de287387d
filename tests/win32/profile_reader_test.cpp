// The plan file through the real GetPrivateProfileStringA: the rules the plan relies on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/win32/win32_profile_reader.h"

namespace tarvio::platform::win32 {
namespace {

TEST(Win32ProfileReader, ReadsValuesByTheSystemsRules) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "TarvioTest-" + std::to_string(GetCurrentProcessId()) + ".ini";
  std::ofstream(path, std::ios::binary)
      << ("[werktags]\r\n"
          "08:00=DayLine\r\n"
          "  09:00  =  day line  \r\n"
          "10:00=\"quoted name\"\r\n"
          "11:00='single'\r\n"
          "12:00=\r\n"
          "13:00=N\xE4"
          "chte\r\n"
          "14:00=" +
          std::string(40000, 'x') +
          "\r\n"
          "[Wochenende]\r\n"
          "08:00=Weekend\r\n");
  Win32ProfileReader reader;
  const struct {
    const char *section, *key, *value;
  } rows[] = {
      {"Werktags", "08:00", "DayLine"},   {"WERKTAGS", "09:00", "day line"},  {"Werktags", "10:00", "quoted name"},
      {"Werktags", "11:00", "single"},    {"Werktags", "12:00", ""},          {"Werktags", "13:00", "Nächte"},
      {"Wochenende", "08:00", "Weekend"}, {"Wochenende", "09:00", "default"}, {"Sonstwo", "08:00", "default"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(reader.GetString(row.section, row.key, "default", path), row.value) << row.section << row.key;
  }
  EXPECT_EQ(reader.GetString("Werktags", "14:00", "", path), std::string(32766, 'x'));
  EXPECT_EQ(reader.GetString("Werktags", "08:00", "default", path + ".fehlt"), "default");
  std::remove(path.c_str());
}

}  // namespace
}  // namespace tarvio::platform::win32
