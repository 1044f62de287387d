// The plan file through the real GetPrivateProfileStringA: the rules the plan relies on,
// and the program's own reader of plans in a Unicode form against it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/utf8.h"
#include "platform/win32/ansi.h"
#include "platform/win32/win32_ansi_code_page.h"
#include "platform/win32/win32_file_reader.h"
#include "platform/win32/win32_profile_reader.h"
#include "schedule/ini_reader.h"

namespace tarvio::platform::win32 {
namespace {

using namespace std::string_literals;

std::string ScratchPlan() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "TarvioTest-" + std::to_string(GetCurrentProcessId()) + ".ini";
}

// An ANSI plan: the value in the code page, cut to the buffer; a missing file gives the
// default. (The rules themselves are the next test's.)
TEST(Win32ProfileReader, ReadsAnAnsiPlanIntoItsBuffer) {
  const std::string path = ScratchPlan();
  std::ofstream(path, std::ios::binary) << "[werktags]\r\n13:00=N\344chte\r\n14:00=" + std::string(40000, 'x');
  Win32ProfileReader reader;
  EXPECT_EQ(reader.GetString("Werktags", "13:00", "default", path), "Nächte");
  EXPECT_EQ(reader.GetString("Werktags", "14:00", "", path), std::string(32766, 'x'));
  EXPECT_EQ(reader.GetString("Werktags", "08:00", "default", path + ".fehlt"), "default");
  std::remove(path.c_str());
}

// The program's own reader against the system's, on plans in UTF-16, which Wine's reader
// reads as it reads ANSI ones: every look-up the same, once through the ANSI code page as
// the system hands its values over. The plans are lines of every rule in a fixed random
// order with every line end, the fuzz seeds' names among them.
TEST(Win32ProfileReader, TheProgramsOwnReaderReadsUtf16PlansAsTheSystemDoes) {
  const std::string path = ScratchPlan();
  std::vector<std::string> lines;  // split at "|"
  std::istringstream table(
      "[Werktags]|[werktags]|[WOCHENENDE]|[ Werktags ]|[Wochenende] x|[Werktags|[]|\t[Wochenende]|08:00=Büro|"
      "08:00 = Nachttarif |\t09:00=\"quoted name\"|09:00='single'|10:00=\"open|10:00='|11:00=|11:00|;08:00=x|"
      "12:00=Łódź 日本 😀|12:00=x\0y|13:00=\x1A z \x1A| 13:00 =NachttarifäÄStraße|=|\0"s);
  for (std::string line; std::getline(table, line, '|');) lines.push_back(line);
  const std::string ends[] = {"\r\n", "\n", "\r", "\n\r"};
  Win32ProfileReader system;
  Win32FileReader files;
  Win32AnsiCodePage ansi;
  schedule::IniReader own(system, files, ansi);
  std::mt19937 random(26);
  for (int plan = 0; plan < 60; ++plan) {
    std::u16string text = u"\uFEFF";
    for (int line = 0; line < 12; ++line) {
      text += Utf16FromUtf8(lines[random() % lines.size()]);
      text += Utf16FromUtf8(ends[random() % std::size(ends)]);
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(text.data()), static_cast<std::streamsize>(text.size() * 2));
    std::string file = path;  // named at the first look-up only, as a rebuild does
    for (const char* section : {"Werktags", "Wochenende"}) {
      for (const char* key : {"08:00", "09:00", "10:00", "11:00", "12:00", "13:00"}) {
        EXPECT_EQ(FromAnsi(ToAnsi(own.GetIniString(section, key, "-", std::exchange(file, "")))),
                  system.GetString(section, key, "-", path))
            << plan << " " << section << " " << key;
      }
    }
  }
  // A file beyond the limit, or missing, gives no bytes.
  EXPECT_EQ(files.ReadAll(path, 4), std::nullopt);
  EXPECT_EQ(files.ReadAll(path + ".fehlt", 100), std::nullopt);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace tarvio::platform::win32
