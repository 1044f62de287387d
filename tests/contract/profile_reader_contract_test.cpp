// What the program relies on from the profile reader, checked against every back-end:
// the portable reader must give the system's answers byte for byte.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/profile_backends.h"

namespace tarvio::test {
namespace {

using namespace std::string_literals;

constexpr char kGuard = '\x5a';

struct Lookup {
  std::string label;
  std::string file;  // the file's bytes
  std::string section;
  std::string key;
  std::string expected;
  std::string defaultValue = "DEF";
  std::uint32_t size = 256;
};

class ProfileContract : public ::testing::TestWithParam<ProfileBackend> {
 protected:
  void SetUp() override { reader_ = GetParam().make(); }

  // Looks the key up in a file of these bytes; checks that the count returned matches
  // the text, that the text is terminated and that nothing beyond the buffer was touched.
  std::string Read(const std::string& bytes, const std::string& section, const std::string& key,
                   const std::string& defaultValue = "DEF", std::uint32_t size = 256) {
    const std::string path = folder_.Write("plan" + std::to_string(files_++) + ".ini", bytes);
    return ReadPath(path, section, key, defaultValue, size);
  }

  std::string ReadPath(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& defaultValue = "DEF", std::uint32_t size = 256) {
    std::vector<char> buffer(std::size_t{size} + 16, kGuard);
    const std::uint32_t copied = reader_->GetProfileValue(section, key, defaultValue, buffer.data(), size, path);
    EXPECT_LT(copied, size);
    if (copied >= size) return "<overrun>";
    EXPECT_EQ(buffer[copied], '\0');
    for (std::size_t i = size; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], kGuard) << "byte " << i;
    return std::string(buffer.data(), copied);
  }

  void Check(const std::vector<Lookup>& table) {
    for (const Lookup& row : table) {
      EXPECT_EQ(Read(row.file, row.section, row.key, row.defaultValue, row.size), row.expected) << row.label;
    }
  }

  ScratchFolder folder_;
  std::unique_ptr<platform::ProfileReader> reader_;
  int files_ = 0;
};

TEST_P(ProfileContract, NamesIgnoreAsciiCaseButBytesFromHexEightyOnMatchExactly) {
  Check({
      {"lower-case header", "[werktags]\n08:00=DayLine\n", "Werktags", "08:00", "DayLine"},
      {"upper-case header", "[WERKTAGS]\n08:00=DayLine\n", "Werktags", "08:00", "DayLine"},
      {"key case", "[S]\nNight=1\n", "S", "nIGHT", "1"},
      {"section A-umlaut vs a-umlaut", "[\xC4rger]\nk=1\n", "\xE4rger", "k", "DEF"},
      {"section exact", "[\xC4rger]\nk=1\n", "\xC4rger", "k", "1"},
      {"key A-umlaut vs a-umlaut", "[S]\n\xC4k=1\n", "S", "\xE4k", "DEF"},
      {"key S-caron", "[S]\n\x8Ak=1\n", "S", "\x9Ak", "DEF"},
      {"key Y-diaeresis", "[S]\n\x9Fk=1\n", "S", "\xFFk", "DEF"},
      {"key exact", "[S]\n\xE4k=1\n", "S", "\xE4k", "1"},
      {"value bytes kept", "[S]\nk=\x80\x81\x8D\x9F\xA0\xFF\n", "S", "k", "\x80\x81\x8D\x9F\xA0\xFF"},
  });
}

TEST_P(ProfileContract, BlanksAroundNamesAndValuesAreDroppedAndNothingElse) {
  Check({
      {"spaces", "[S]\n  08:00  =  dayline  \n", "S", "08:00", "dayline"},
      {"tabs", "[S]\n\t08:00\t=\tday line\t\n", "S", "08:00", "day line"},
      {"header inside brackets", "[ S\t]\nk=1\n", "S", "k", "1"},
      {"indented header", "  [S]\nk=1\n", "S", "k", "1"},
      {"asked names padded", "[S]\nk=1\n", " S\t", "\tk ", "1"},
      {"ctrl-z is a blank", "[S]\n\x1ak=1\x1a\n", "S", "k", "1"},
      {"vertical tab and form feed", "[S]\nk=\x0bx\x0c\n", "S", "k", "x"},
      {"inner blanks stay", "[S]\nk=a  b\n", "S", "k", "a  b"},
      {"no-break space", "[S]\nk=\xA0x\xA0\n", "S", "k", "\xA0x\xA0"},
      {"separators 1c 1d", "[S]\nk=\x1cx\x1d\n", "S", "k", "\x1cx\x1d"},
      {"control characters", "[S]\nk=\x01x\x02\n", "S", "k", "\x01x\x02"},
      {"ctrl-z inside",
       "[S]\nk=a\x1a"
       "b\n",
       "S", "k",
       "a\x1a"
       "b"},
      {"UTF-8 mark inside the file", "[S]\n\xEF\xBB\xBFk=1\n", "S", "k", "DEF"},
      {"nothing after '='", "[S]\n08:00=\n", "S", "08:00", ""},
      {"blanks after '='", "[S]\n08:00=   \n", "S", "08:00", ""},
  });
}

TEST_P(ProfileContract, OnePairOfQuotesIsDropped) {
  Check({
      {"double", "[S]\nk=\"x y\"\n", "S", "k", "x y"},
      {"single", "[S]\nk='x y'\n", "S", "k", "x y"},
      {"blanks inside kept", "[S]\nk= \" x \" \n", "S", "k", " x "},
      {"mixed kept", "[S]\nk=\"x'\n", "S", "k", "\"x'"},
      {"lone quote kept", "[S]\nk=\"\n", "S", "k", "\""},
      {"empty pair", "[S]\nk=\"\"\n", "S", "k", ""},
      {"inner quote kept", "[S]\nk=\"a\"b\"\n", "S", "k", "a\"b"},
      {"only one pair", "[S]\nk=\"\"x\"\"\n", "S", "k", "\"x\""},
      {"opening only", "[S]\nk=\"abc\n", "S", "k", "\"abc"},
  });
}

TEST_P(ProfileContract, OddLinesAndDuplicatesFollowTheSystem) {
  Check({
      {"semicolon comment", "[S]\n;08:00=A\n", "S", "08:00", "DEF"},
      {"semicolon comment, indented", "[S]\n  ;08:00=A\n", "S", "08:00", "DEF"},
      {"comment text is a name of its own", "[S]\n;k=1\n", "S", ";k", "1"},
      {"hash is no comment", "[S]\n#k=1\n", "S", "#k", "1"},
      {"line without '='", "[S]\nk\n", "S", "k", "DEF"},
      {"line without '=' hides a later entry", "[S]\nk\nk=1\n", "S", "k", "DEF"},
      {"blank line", "[S]\n   \nk=1\n", "S", "k", "1"},
      {"'=' in the value", "[S]\nk=a=b\n", "S", "k", "a=b"},
      {"semicolon in the value", "[S]\nk=1 ;c\n", "S", "k", "1 ;c"},
      {"brackets in the value", "[S]\nk=[x]\n", "S", "k", "[x]"},
      {"text after the header", "[S] junk\nk=1\n", "S", "k", "1"},
      {"last bracket closes the header", "[S]x]\nk=1\n", "S]x", "k", "1"},
      {"unclosed header is an entry", "[T]\n[k=1\n", "T", "[k", "1"},
      {"unclosed header opens nothing", "[S\nk=1\n", "[S", "k", "DEF"},
      {"entries before any header", "k=1\n[S]\n", "", "k", "1"},
      {"empty header repeats the unnamed section", "[]\nk=1\n", "", "k", "DEF"},
      {"first duplicate key wins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
      {"first duplicate key wins, other case", "[S]\nk=1\nK=2\n", "S", "K", "1"},
      {"duplicate section: both have the key", "[S]\nk=1\n[s]\nk=2\n", "S", "k", "1"},
      {"duplicate section: only the second has it", "[S]\nk=1\n[S]\nk2=2\n", "S", "k2", "DEF"},
      {"duplicate section: the first is empty", "[S]\n[S]\nk=1\n", "S", "k", "DEF"},
      {"NUL ends a value", "[S]\nk=ab\0cd\n"s, "S", "k", "ab"},
      {"NUL ends a key", "[S]\nk\0x=1\n"s, "S", "k", "1"},
      {"NUL ends a header", "[S\0x]\nk=1\n"s, "S", "k", "1"},
      {"NUL as a line of its own", "[S]\n\0\nk=1\n"s, "S", "k", "1"},
  });
}

TEST_P(ProfileContract, ValuesAndTheDefaultAreCutToTheBufferAndFollowTheValueRules) {
  Check({
      {"size 5", "[S]\nk=abcdefgh\n", "S", "k", "abcd", "D", 5},
      {"size 1", "[S]\nk=abcdefgh\n", "S", "k", "", "D", 1},
      {"fits exactly", "[S]\nk=abc\n", "S", "k", "abc", "D", 4},
      {"one short", "[S]\nk=abc\n", "S", "k", "ab", "D", 3},
      {"default cut", "[S]\n", "S", "k", "abcd", "abcdefgh", 5},
      {"default: quotes dropped", "[S]\n", "S", "x", "dq", "\"dq\""},
      {"default: trailing spaces dropped", "[S]\n", "S", "x", "  d", "  d  "},
      {"default: trailing tab kept", "[S]\n", "S", "x", "d\t", "d\t"},
      {"default: quoted and cut", "[S]\n", "S", "x", "ab", "\"abc\"", 4},
  });
}

TEST_P(ProfileContract, QuotedValuesAreCutLikeTheSystemCutsThem) {
  // When the buffer ends just where the closing quote would go, the system loses the
  // value's last character too.
  const std::vector<std::vector<std::string>> expected = {
      // sizes 1..7 for the quoted values "", "a", "ab", "abc", "abcd"
      {"", "", "", "", "", "", ""},
      {"", "", "a", "a", "a", "a", "a"},
      {"", "a", "a", "ab", "ab", "ab", "ab"},
      {"", "a", "ab", "ab", "abc", "abc", "abc"},
      {"", "a", "ab", "abc", "abc", "abcd", "abcd"},
  };
  for (std::size_t inner = 0; inner < expected.size(); ++inner) {
    for (std::uint32_t size = 1; size <= 7; ++size) {
      const std::string value = "\"" + std::string("abcd").substr(0, inner) + "\"";
      EXPECT_EQ(Read("[S]\nk=" + value + "\n", "S", "k", "D", size), expected[inner][size - 1])
          << value << " size " << size;
    }
  }
}

TEST_P(ProfileContract, LineEnds) {
  Check({
      {"CR", "[S]\rk=1\rj=2\r", "S", "j", "2"},
      {"LF", "[S]\nk=1\nj=2\n", "S", "j", "2"},
      {"CRLF", "[S]\r\nk=1\r\nj=2\r\n", "S", "j", "2"},
      {"LFCR", "[S]\n\rk=1\n\r", "S", "k", "1"},
      {"CR inside an LF file", "[S]\nk=1\rj=2\n", "S", "k", "1"},
      {"CR inside an LF file, second", "[S]\nk=1\rj=2\n", "S", "j", "2"},
      {"no end on the last line", "[S]\nk=1", "S", "k", "1"},
  });
}

TEST_P(ProfileContract, MissingFileSectionOrKeyGivesDefault) {
  Check({
      {"no such section", "[S]\nk=1\n", "T", "k", "DEF"},
      {"no such key", "[S]\nk=1\n", "S", "x", "DEF"},
      {"empty file", "", "S", "k", "DEF"},
      {"empty default", "[S]\n", "S", "k", "", ""},
      {"key must be written as asked: 8:00 is not 08:00", "[S]\n8:00=A\n", "S", "08:00", "DEF"},
      {"08.00 is not 08:00", "[S]\n08.00=A\n", "S", "08:00", "DEF"},
      {"both present", "[S]\n8:00=A\n08:00=B\n", "S", "08:00", "B"},
  });
  EXPECT_EQ(ReadPath(folder_.PathOf("absent.ini"), "S", "k"), "DEF");
  EXPECT_EQ(ReadPath(folder_.PathOf("absent") + "/deeper/absent.ini", "S", "k"), "DEF");
}

TEST_P(ProfileContract, Utf16FilesWithMarkAreRead) {
  Check({
      {"little-endian", "\xFF\xFE[\0S\0]\0\n\0k\0=\0\xE4\0\n\0"s, "S", "k", "\xE4"},
      {"little-endian, euro sign", "\xFF\xFE[\0S\0]\0\n\0k\0=\0\xAC\x20\n\0"s, "S", "k", "\x80"},
      {"big-endian", "\xFE\xFF\0[\0S\0]\0\n\0k\0=\0v\0\n"s, "S", "k", "v"},
      {"odd length", "\xFF\xFE[\0S\0]\0\n\0k\0=\0v\0\n"s, "S", "k", "v"},
      {"without mark: bytes", "[\0S\0]\0\n\0k\0=\0v\0\n\0"s, "S", "k", "DEF"},
  });
}

TEST_P(ProfileContract, Utf8MarkIsPartOfTheFirstLine) {
  if (GetParam().honoursUtf8Mark) GTEST_SKIP() << "Wine skips a UTF-8 byte-order mark; Windows does not";
  Check({
      {"header after the mark is no header", "\xEF\xBB\xBF[S]\nk=1\n", "S", "k", "DEF"},
      {"value bytes as written", "\xEF\xBB\xBF\n[S]\nk=\xC3\xA4\n", "S", "k", "\xC3\xA4"},
      {"the mark begins an entry of the unnamed section", "\xEF\xBB\xBFk=1\n", "", "\xEF\xBB\xBFk", "1"},
  });
}

TEST_P(ProfileContract, FileIsReadAgainOnEveryCall) {
  const std::string path = folder_.Write("edited.ini", "[S]\nk=before\n");
  EXPECT_EQ(ReadPath(path, "S", "k"), "before");
  folder_.Write("edited.ini", "[S]\nk=after, and longer\n");
  // A distinct time stamp, as an editor's save a while later would leave.
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
  EXPECT_EQ(ReadPath(path, "S", "k"), "after, and longer");
}

TEST_P(ProfileContract, LongLinesAndHostileFilesNeverBreakTheReader) {
  std::string binary;
  std::uint32_t state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    binary += static_cast<char>(state >> 24);
  }
  const std::string hugeLine = "[S]\n" + std::string(100000, '=') + "\nk=ok\n";
  std::string huge = "[S]\n";
  while (huge.size() < 10u * 1024u * 1024u) huge += "08:00=" + std::string(1000, 'y') + "\r\n";
  huge += "[T]\nk=end\n";

  const std::string longValue(100000, 'x');
  EXPECT_EQ(Read("[S]\nk=" + longValue + "\nj=2\n", "S", "j"), "2");
  EXPECT_EQ(Read("[S]\nk=" + longValue + "\n", "S", "k", "D", 32767), longValue.substr(0, 32766));
  EXPECT_EQ(Read(binary + "\n[S]\nk=ok\n", "S", "k"), "ok");
  EXPECT_EQ(Read(hugeLine, "S", "k"), "ok");
  EXPECT_EQ(Read(huge, "T", "k"), "end");
  EXPECT_EQ(Read(huge, "S", "08:00", "D", 5), "yyyy");
  EXPECT_EQ(Read(std::string(5000, '\0'), "S", "k"), "DEF");
  EXPECT_EQ(Read(std::string(5000, '['), "S", "k"), "DEF");
  EXPECT_EQ(Read("\xFF\xFE" + std::string(5001, '\xD8'), "S", "k"), "DEF");
}

INSTANTIATE_TEST_SUITE_P(Backends, ProfileContract, ::testing::ValuesIn(ProfileBackends()),
                         [](const ::testing::TestParamInfo<ProfileBackend>& backend) { return backend.param.name; });

}  // namespace
}  // namespace tarvio::test
