// AAN reads, writes and lists alike on every registry back-end.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialup/aan.h"
#include "support/registry_backends.h"

namespace tarvio::test_support {
namespace {

using dialup::Aan;
using platform::kHkeyCurrentUser;
using platform::RegKey;
using Calls = std::vector<std::string>;

class AanRegistry : public RegistryBackendTest {
 protected:
  void SetUp() override {
    RegistryBackendTest::SetUp();
    recording = std::make_unique<RecordingRegistry>(backend->Registry());
    aan = std::make_unique<Aan>(*recording, backend->Codec());
  }
  void TearDown() override {
    EXPECT_TRUE(recording->openHandles.empty()) << "a key handle was left open";
    RegistryBackendTest::TearDown();
  }
  std::string Get(const std::string& path, const std::string& name) {
    return aan->RegGetString(kHkeyCurrentUser, path, name);
  }
  void Set(const std::string& path, const std::string& name, const std::string& value, std::uint32_t type) {
    aan->RegSetValue(kHkeyCurrentUser, path, name, value, type);
  }
  // The longest value of a key, as this back-end reports it.
  std::uint32_t LongestValue(const std::string& path) {
    RegKey key = 0;
    platform::RegKeyInfo info;
    backend->Registry().OpenKeyEx(kHkeyCurrentUser, path, 0, platform::kKeyQueryValue, &key);
    backend->Registry().QueryInfoKey(key, &info);
    backend->Registry().CloseKey(key);
    return info.maxValueLen;
  }
  std::vector<std::string> RawEnumerationOrder(const std::string& path) {
    std::vector<std::string> names;
    RegKey key = 0;
    backend->Registry().OpenKeyEx(kHkeyCurrentUser, path, 0, platform::kKeyAllAccess, &key);
    char name[256];
    std::uint32_t length = sizeof name;
    for (std::uint32_t i = 0; backend->Registry().EnumKeyEx(key, i, name, &length) == platform::kRegSuccess; ++i) {
      names.emplace_back(name, length);
      length = sizeof name;
    }
    backend->Registry().CloseKey(key);
    return names;
  }
  // Subkeys Beta, alpha and Gamma below "Profile", created in that order.
  void PutProfiles() {
    for (const char* name : {"Beta", "alpha", "Gamma"}) {
      PutRaw(Below(std::string("Profile\\") + name), "", platform::kRegSz, std::string(1, '\0'));
    }
  }

  std::unique_ptr<RecordingRegistry> recording;
  std::unique_ptr<Aan> aan;
};

TEST_P(AanRegistry, AMissingKeyReadsAsOneBlankAndListsNoNames) {
  EXPECT_EQ(Get(Below("missing"), "HangupTimer"), " ");
  EXPECT_EQ(recording->calls, Calls{"open"});
  EXPECT_EQ(aan->RegEnumSubKeys(kHkeyCurrentUser, Below("missing")), dialup::SubKeyNames{""});
  PutRaw(Below("Profile"), "v", platform::kRegSz, std::string(1, '\0'));
  EXPECT_EQ(aan->RegEnumSubKeys(kHkeyCurrentUser, Below("Profile")), dialup::SubKeyNames{""});
}

TEST_P(AanRegistry, AMissingValueReadsAsBlanksOneMoreThanTheKeysLongestValue) {
  PutRaw(scratch, "HangupTimer", platform::kRegSz, std::string("300\0", 4));
  const std::string text = Get(scratch, "InternetProfile");
  EXPECT_EQ(text, std::string(LongestValue(scratch) + 1u, ' '));
  if (backend->ReportsAnsiValueLengths()) {
    EXPECT_EQ(text, "     ");
  }
}

// String types lose their final zero byte (and nothing else); every other type comes back
// byte for byte, one character per byte, whatever its size.
TEST_P(AanRegistry, ValuesReadAsTextOfTheirType) {
  std::string binary(100 * 1024, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>('A' + i % 26);
  binary[500] = '\0';
  const std::string longText(100 * 1024, 'z');
  const std::string qword("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
  const struct {
    const char* name;
    std::uint32_t type;
    std::string stored, expected;
  } rows[] = {
      {"HangupTimer", platform::kRegSz, std::string("300\0", 4), "300"},
      {"Empty", platform::kRegSz, "", ""},
      {"List", platform::kRegMultiSz, std::string("a\0b\0\0", 5), std::string("a\0b\0", 4)},
      {"Path", platform::kRegExpandSz, std::string("%WINDIR%\\x\0", 11), "%WINDIR%\\x"},
      {"Dword", platform::kRegDword, std::string("\x2C\x01\0\0", 4), std::string(",\x01\0\0", 4)},
      {"Raw", platform::kRegDword, std::string("\xE4\0\0\0", 4),
       backend->Codec().FromAnsi(std::string("\xE4\0\0\0", 4))},
      {"None", platform::kRegNone, "ab", "ab"},
      {"Qword", 11, qword, qword},
      {"Binary", platform::kRegBinary, binary, binary},
      {"Text", platform::kRegSz, longText + '\0', longText},
  };
  for (const auto& row : rows) PutRaw(scratch, row.name, row.type, row.stored);
  for (const auto& row : rows) EXPECT_EQ(Get(scratch, row.name), row.expected) << row.name;
  EXPECT_EQ(Calls(recording->calls.begin(), recording->calls.begin() + 4), (Calls{"open", "query", "read", "close"}));
  EXPECT_EQ(recording->calls.size(), 4 * std::size(rows));
}

TEST_P(AanRegistry, WritingCreatesTheKeyPathAndStoresTheBytesWithAZeroForStrings) {
  const std::string path = Below("System\\Services\\General");
  Set(path, "HangupTimer", "Langer Name", platform::kRegSz);
  EXPECT_EQ(recording->calls.front(), "create");
  Set(path, "HangupTimer", "300", platform::kRegSz);
  Set(path, "Empty", "", platform::kRegSz);
  Set(path, "Bin", "ab", platform::kRegBinary);
  EXPECT_EQ(GetRaw(path, "HangupTimer"), std::make_pair(platform::kRegSz, std::string("300\0", 4)));
  EXPECT_EQ(GetRaw(path, "Empty"), std::make_pair(platform::kRegSz, std::string("\0", 1)));
  EXPECT_EQ(GetRaw(path, "Bin"), std::make_pair(platform::kRegBinary, std::string("ab")));
  EXPECT_EQ(Get(path, "HangupTimer"), "300");
}

TEST_P(AanRegistry, GermanTextSurvivesTheRoundTripThroughTheCodePage) {
  Set(Below("Einwahl Köln"), "Größe", "Grüße aus Österreich", platform::kRegSz);
  EXPECT_EQ(Get(Below("Einwahl Köln"), "Größe"), "Grüße aus Österreich");
  // The umlauts cross the boundary as one ANSI byte each.
  EXPECT_EQ(GetRaw(Below("Einwahl K\xF6ln"),
                   "Gr\xF6\xDF"
                   "e")
                .second,
            std::string("Gr\xFC\xDF"
                        "e aus \xD6sterreich\0",
                        21));
  EXPECT_EQ(aan->RegEnumSubKeys(kHkeyCurrentUser, scratch), (dialup::SubKeyNames{"", "Einwahl Köln"}));
}

TEST_P(AanRegistry, SubkeysAreListedInTheRegistrysOrderBehindAnEmptyEntry) {
  PutProfiles();
  const dialup::SubKeyNames names = aan->RegEnumSubKeys(kHkeyCurrentUser, Below("Profile"));
  EXPECT_EQ(recording->calls, (Calls{"open", "query", "enum", "enum", "enum", "close"}));
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[0], "");
  std::vector<std::string> listed(names.begin() + 1, names.end());
  EXPECT_EQ(listed, RawEnumerationOrder(Below("Profile")));
  if (backend->EnumeratesInCreationOrder()) {
    EXPECT_EQ(listed, (std::vector<std::string>{"Beta", "alpha", "Gamma"}));
  }
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{"Beta", "Gamma", "alpha"}));
}

TEST_P(AanRegistry, ASubkeyRemovedWhileListingLeavesBlanksInItsPlace) {
  PutProfiles();
  recording->afterQueryInfo = [&] {
    recording->afterQueryInfo = nullptr;
    backend->DeleteTree(kHkeyCurrentUser, Below("Profile\\alpha"));
  };
  const dialup::SubKeyNames names = aan->RegEnumSubKeys(kHkeyCurrentUser, Below("Profile"));
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[3], "      ");  // the longest name, five characters, and its zero
  std::vector<std::string> found(names.begin() + 1, names.begin() + 3);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"Beta", "Gamma"}));
}

TEST_P(AanRegistry, EveryCallClosesTheKeyItOpened) {
  PutRaw(Below("Profile\\x"), "v", platform::kRegSz, std::string("1\0", 2));
  Get(Below("Profile"), "missing");
  Get(Below("Profile\\x"), "v");
  aan->RegEnumSubKeys(kHkeyCurrentUser, Below("Profile"));
  Set(Below("Profile\\y"), "v", "1", platform::kRegSz);
  EXPECT_TRUE(recording->openHandles.empty());
  EXPECT_EQ(std::count(recording->calls.begin(), recording->calls.end(), "close"), 4);
}

INSTANTIATE_TEST_SUITE_P(AllBackends, AanRegistry, ::testing::ValuesIn(RegistryBackendFactories()), BackendName);

}  // namespace
}  // namespace tarvio::test_support
