#include "schedule/ini_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/portable/cp1252_codec.h"
#include "platform/portable/ini_profile_reader.h"
#include "platform/profile.h"
#include "support/profile_backends.h"

namespace tarvio::schedule {
namespace {

// Answers every look-up with a set text and remembers what it was asked.
class RecordingProfileReader final : public platform::ProfileReader {
 public:
  struct Call {
    std::string section, key, defaultValue, fileName;
    std::uint32_t size;
  };

  std::uint32_t GetProfileValue(const std::string& section, const std::string& key, const std::string& defaultValue,
                                char* buffer, std::uint32_t size, const std::string& fileName) override {
    calls.push_back({section, key, defaultValue, fileName, size});
    const std::size_t count = std::min<std::size_t>(answer.size(), size - 1);
    std::memcpy(buffer, answer.data(), count);
    buffer[count] = '\0';
    return claimed != 0 ? claimed : static_cast<std::uint32_t>(count);
  }

  std::vector<Call> calls;
  std::string answer;
  std::uint32_t claimed = 0;  // a count to report instead of the true one
};

struct Fixture {
  RecordingProfileReader reader;
  platform::portable::Cp1252Codec codec;
  IniReader ini{reader, codec};
};

TEST(IniReader, FileNameIsRememberedUntilANewOneIsGiven) {
  Fixture f;
  f.ini.GetIniString("Werktags", "08:00", "", "C:\\Tarvio\\Provider.INI");
  f.ini.GetIniString("Werktags", "09:00", "", "");
  EXPECT_EQ(f.ini.LastIniFile, "C:\\Tarvio\\Provider.INI");
  f.ini.GetIniString("S", "k", "", "C:\\b.ini");
  f.ini.GetIniString("S", "k", "", "");
  ASSERT_EQ(f.reader.calls.size(), 4u);
  EXPECT_EQ(f.reader.calls[1].fileName, "C:\\Tarvio\\Provider.INI");
  EXPECT_EQ(f.reader.calls[3].fileName, "C:\\b.ini");
}

TEST(IniReader, AsksInAnsiWithA32767CharacterBufferAndConvertsTheAnswerBack) {
  Fixture f;
  f.reader.answer =
      "Stra\xDF"
      "e";
  EXPECT_EQ(f.ini.GetIniString("Grüße", "Schlüssel", "Vorgabe ä", "C:\\Büro\\Provider.INI"), "Straße");
  const auto& call = f.reader.calls[0];
  EXPECT_EQ(call.section,
            "Gr\xFC\xDF"
            "e");
  EXPECT_EQ(call.key, "Schl\xFCssel");
  EXPECT_EQ(call.defaultValue, "Vorgabe \xE4");
  EXPECT_EQ(call.fileName, "C:\\B\xFCro\\Provider.INI");
  EXPECT_EQ(call.size, 32767u);
}

TEST(IniReader, ResultIsTheCharactersTheReaderCountedCutToTheBuffer) {
  Fixture f;
  f.reader.answer = "DayLine";
  EXPECT_EQ(f.ini.GetIniString("S", "k", "", "C:\\a.ini"), "DayLine");
  f.reader.answer = "";
  EXPECT_EQ(f.ini.GetIniString("S", "k", "", ""), "");
  f.reader.answer = "x";
  f.reader.claimed = 4000000000u;  // an implausible count
  EXPECT_EQ(f.ini.GetIniString("S", "k", "", "").size(), 32766u);
}

TEST(IniReader, ReadsThroughThePortableReaderAndCutsLongValuesToTheBuffer) {
  test::ScratchFolder folder;
  const std::string path = folder.Write("Provider.INI",
                                        "[werktags]\n08:00 = \"Stra\xDF"
                                        "e\"\n[S]\nk=" +
                                            std::string(40000, 'v') + "\n");
  platform::portable::IniProfileReader reader;
  platform::portable::Cp1252Codec codec;
  IniReader ini(reader, codec);
  EXPECT_EQ(ini.GetIniString("Werktags", "08:00", "", path), "Straße");
  EXPECT_EQ(ini.GetIniString("Werktags", "8:00", "none", ""), "none");
  EXPECT_EQ(ini.GetIniString("Wochenende", "08:00", "", ""), "");
  EXPECT_EQ(ini.GetIniString("S", "k", "", ""), std::string(32766, 'v'));
}

TEST(TimeKey, TwoDigitsEach) {
  struct Row {
    int hour, minute;
    const char* key;
  };
  for (const Row& row :
       {Row{8, 5, "08:05"}, Row{0, 0, "00:00"}, Row{23, 59, "23:59"}, Row{12, 30, "12:30"}, Row{9, 10, "09:10"}}) {
    EXPECT_EQ(TimeKey(row.hour, row.minute), row.key) << row.hour << ":" << row.minute;
  }
}

}  // namespace
}  // namespace tarvio::schedule
