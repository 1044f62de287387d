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
    for (std::uint32_t i = 0;; ++i) {
      std::uint32_t length = sizeof name;
      if (backend->Registry().EnumKeyEx(key, i, name, &length) != platform::kRegSuccess) break;
      names.emplace_back(name, length);
    }
    backend->Registry().CloseKey(key);
    return names;
  }

  std::unique_ptr<RecordingRegistry> recording;
  std::unique_ptr<Aan> aan;
};

bool BlanksOnly(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

TEST_P(AanRegistry, AMissingKeyReadsAsOneBlank) {
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, Below("missing"), "HangupTimer"), " ");
  EXPECT_EQ(recording->calls, (std::vector<std::string>{"open"}));
}

TEST_P(AanRegistry, AMissingValueReadsAsBlanksOneMoreThanTheKeysLongestValue) {
  PutRaw(scratch, "HangupTimer", platform::kRegSz, std::string("300\0", 4));
  const std::string text = aan->RegGetString(kHkeyCurrentUser, scratch, "InternetProfile");
  EXPECT_TRUE(BlanksOnly(text));
  EXPECT_EQ(text.size(), LongestValue(scratch) + 1u);
  if (backend->ReportsAnsiValueLengths()) {
    EXPECT_EQ(text, "     ");
  }
}

TEST_P(AanRegistry, AStringValueReadsWithoutItsZeroByte) {
  PutRaw(scratch, "HangupTimer", platform::kRegSz, std::string("300\0", 4));
  PutRaw(scratch, "Longer", platform::kRegBinary, std::string(40, 'x'));
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, scratch, "HangupTimer"), "300");
  EXPECT_EQ(recording->calls, (std::vector<std::string>{"open", "query", "read", "close"}));
}

TEST_P(AanRegistry, AMultiStringKeepsTheZerosBetweenItsStrings) {
  PutRaw(scratch, "List", platform::kRegMultiSz, std::string("a\0b\0\0", 5));
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, scratch, "List"), std::string("a\0b\0", 4));
}

TEST_P(AanRegistry, AnExpandableStringIsReadUnexpanded) {
  PutRaw(scratch, "Path", platform::kRegExpandSz, std::string("%WINDIR%\\x\0", 11));
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, scratch, "Path"), "%WINDIR%\\x");
}

TEST_P(AanRegistry, ADwordReadsAsItsFourRawBytes) {
  PutRaw(scratch, "HangupTimer", platform::kRegDword, std::string("\x2C\x01\0\0", 4));
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, scratch, "HangupTimer"), std::string(",\x01\0\0", 4));
}

TEST_P(AanRegistry, RawBytesComeBackOneCharacterPerByte) {
  PutRaw(scratch, "Raw", platform::kRegDword, std::string("\xE4\0\0\0", 4));
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, scratch, "Raw"), backend->Codec().FromAnsi(std::string("\xE4\0\0\0", 4)));
}

TEST_P(AanRegistry, AStringStoredWithoutAnyDataReadsAsTheEmptyText) {
  PutRaw(scratch, "Empty", platform::kRegSz, "");
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, scratch, "Empty"), "");
}

TEST_P(AanRegistry, ValuesOfOtherTypesComeBackWhole) {
  PutRaw(scratch, "None", platform::kRegNone, "ab");
  PutRaw(scratch, "Qword", 11, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8));
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, scratch, "None"), "ab");
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, scratch, "Qword"), std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8));
}

TEST_P(AanRegistry, LargeValuesReadBackWhole) {
  std::string binary(100 * 1024, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>('A' + i % 26);
  binary[500] = '\0';
  PutRaw(scratch, "Binary", platform::kRegBinary, binary);
  const std::string text(100 * 1024, 'z');
  PutRaw(scratch, "Text", platform::kRegSz, text + '\0');
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, scratch, "Binary"), binary);
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, scratch, "Text"), text);
}

TEST_P(AanRegistry, WritingTextStoresItsBytesAndOneZero) {
  aan->RegSetValue(kHkeyCurrentUser, scratch, "HangupTimer", "300", platform::kRegSz);
  aan->RegSetValue(kHkeyCurrentUser, scratch, "Empty", "", platform::kRegSz);
  EXPECT_EQ(GetRaw(scratch, "HangupTimer"), std::make_pair(platform::kRegSz, std::string("300\0", 4)));
  EXPECT_EQ(GetRaw(scratch, "Empty"), std::make_pair(platform::kRegSz, std::string("\0", 1)));
}

TEST_P(AanRegistry, WritingOtherTypesStoresTheBytesAlone) {
  aan->RegSetValue(kHkeyCurrentUser, scratch, "Bin", "ab", platform::kRegBinary);
  EXPECT_EQ(GetRaw(scratch, "Bin"), std::make_pair(platform::kRegBinary, std::string("ab")));
}

TEST_P(AanRegistry, WritingCreatesTheWholeKeyPath) {
  aan->RegSetValue(kHkeyCurrentUser, Below("System\\Services\\General"), "HangupTimer", "45", platform::kRegSz);
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, Below("System\\Services\\General"), "HangupTimer"), "45");
  EXPECT_EQ(recording->calls.front(), "create");
}

TEST_P(AanRegistry, WritingReplacesTheValue) {
  aan->RegSetValue(kHkeyCurrentUser, scratch, "InternetProfile", "Langer Name", platform::kRegSz);
  aan->RegSetValue(kHkeyCurrentUser, scratch, "InternetProfile", "Kurz", platform::kRegSz);
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, scratch, "InternetProfile"), "Kurz");
}

TEST_P(AanRegistry, GermanTextSurvivesTheRoundTripThroughTheCodePage) {
  aan->RegSetValue(kHkeyCurrentUser, Below("Einwahl Köln"), "Größe", "Grüße aus Österreich", platform::kRegSz);
  EXPECT_EQ(aan->RegGetString(kHkeyCurrentUser, Below("Einwahl Köln"), "Größe"), "Grüße aus Österreich");
  // The umlauts cross the boundary as one ANSI byte each.
  EXPECT_EQ(GetRaw(Below("Einwahl K\xF6ln"), "Gr\xF6\xDF" "e").second, std::string("Gr\xFC\xDF" "e aus \xD6sterreich\0", 21));
  const dialup::SubKeyNames names = aan->RegEnumSubKeys(kHkeyCurrentUser, scratch);
  EXPECT_EQ(names, (dialup::SubKeyNames{"", "Einwahl Köln"}));
}

TEST_P(AanRegistry, ThreeSubkeysAreListedInTheRegistrysOrderBehindAnEmptyEntry) {
  for (const char* name : {"Beta", "alpha", "Gamma"}) PutRaw(Below(std::string("Profile\\") + name), "", platform::kRegSz, std::string(1, '\0'));
  const dialup::SubKeyNames names = aan->RegEnumSubKeys(kHkeyCurrentUser, Below("Profile"));
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[0], "");
  EXPECT_EQ(std::vector<std::string>(names.begin() + 1, names.end()), RawEnumerationOrder(Below("Profile")));
  if (backend->EnumeratesInCreationOrder()) {
    EXPECT_EQ(names, (dialup::SubKeyNames{"", "Beta", "alpha", "Gamma"}));
  } else {
    std::vector<std::string> sorted(names.begin() + 1, names.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{"Beta", "Gamma", "alpha"}));
  }
  EXPECT_EQ(recording->calls, (std::vector<std::string>{"open", "query", "enum", "enum", "enum", "close"}));
}

TEST_P(AanRegistry, AMissingKeyOrOneWithoutSubkeysListsNoNames) {
  EXPECT_EQ(aan->RegEnumSubKeys(kHkeyCurrentUser, Below("missing")), dialup::SubKeyNames{""});
  PutRaw(Below("Profile"), "v", platform::kRegSz, std::string(1, '\0'));
  EXPECT_EQ(aan->RegEnumSubKeys(kHkeyCurrentUser, Below("Profile")), dialup::SubKeyNames{""});
}

TEST_P(AanRegistry, ASubkeyRemovedWhileListingLeavesBlanksInItsPlace) {
  for (const char* name : {"Beta", "alpha", "Gamma"}) PutRaw(Below(std::string("Profile\\") + name), "", platform::kRegSz, std::string(1, '\0'));
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
  aan->RegGetString(kHkeyCurrentUser, Below("Profile"), "missing");
  aan->RegGetString(kHkeyCurrentUser, Below("Profile\\x"), "v");
  aan->RegEnumSubKeys(kHkeyCurrentUser, Below("Profile"));
  aan->RegSetValue(kHkeyCurrentUser, Below("Profile\\y"), "v", "1", platform::kRegSz);
  EXPECT_TRUE(recording->openHandles.empty());
  EXPECT_EQ(std::count(recording->calls.begin(), recording->calls.end(), "close"), 4);
}

INSTANTIATE_TEST_SUITE_P(AllBackends, AanRegistry, ::testing::ValuesIn(RegistryBackendFactories()), BackendName);

}  // namespace
}  // namespace tarvio::test_support
