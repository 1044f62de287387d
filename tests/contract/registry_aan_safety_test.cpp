// Whatever a registry reports, AAN reads and writes only inside its own buffers and never
// gives up: absurd sizes, lengths beyond the buffer, failures between the calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "dialup/aan.h"
#include "platform/portable/cp1252_codec.h"

namespace tarvio::dialup {
namespace {

using platform::RegKey;
using platform::RegStatus;

// A registry whose key always opens and whose answers the test sets.
class ScriptedRegistry final : public platform::Registry {
 public:
  RegStatus OpenKeyEx(RegKey, const std::string&, std::uint32_t, std::uint32_t, RegKey* result) override {
    return Opened(result);
  }
  RegStatus QueryInfoKey(RegKey, platform::RegKeyInfo* out) override {
    *out = info;
    return platform::kRegSuccess;
  }
  RegStatus QueryValueEx(RegKey, const std::string&, std::uint32_t* type, std::uint8_t* data,
                         std::uint32_t* dataLen) override {
    bufferSeen = *dataLen;
    const std::size_t copied = std::min<std::size_t>(*dataLen, value.size());
    std::memcpy(data, value.data(), copied);
    *type = valueType;
    *dataLen = reportedLength;
    return readStatus;
  }
  RegStatus EnumKeyEx(RegKey, std::uint32_t, char* name, std::uint32_t* nameLen) override {
    bufferSeen = *nameLen;
    std::memset(name, 'n', *nameLen);
    *nameLen = reportedLength;
    return enumStatus;
  }
  RegStatus CreateKey(RegKey, const std::string&, RegKey* result) override { return Opened(result); }
  RegStatus SetValueEx(RegKey, const std::string&, std::uint32_t type, const std::uint8_t* data,
                       std::uint32_t dataLen) override {
    written.assign(reinterpret_cast<const char*>(data), dataLen);
    writtenType = type;
    return platform::kRegSuccess;
  }
  RegStatus CloseKey(RegKey) override {
    --open;
    return platform::kRegSuccess;
  }

  platform::RegKeyInfo info;
  std::string value;
  std::uint32_t valueType = platform::kRegSz;
  std::uint32_t reportedLength = 0;
  RegStatus readStatus = platform::kRegSuccess;
  RegStatus enumStatus = platform::kRegSuccess;
  std::uint32_t bufferSeen = 0;
  std::string written;
  std::uint32_t writtenType = 0;
  int open = 0;

 private:
  RegStatus Opened(RegKey* result) {
    *result = 0x44;
    ++open;
    return platform::kRegSuccess;
  }
};

class AanSafety : public ::testing::Test {
 protected:
  std::string Read() { return aan.RegGetString(platform::kHkeyCurrentUser, "k", "v"); }
  SubKeyNames List() { return aan.RegEnumSubKeys(platform::kHkeyCurrentUser, "k"); }

  ScriptedRegistry registry;
  platform::portable::Cp1252Codec codec;
  Aan aan{registry, codec};
};

// A length beyond the buffer, data that did not fit, or string data of no bytes at all.
TEST_F(AanSafety, UnusableReadsGiveBlanksOrTheEmptyText) {
  const struct {
    std::uint32_t longest;
    std::string value;
    std::uint32_t reported;
    RegStatus status;
    std::string expected;
  } rows[] = {
      {3, "abc", 1000, platform::kRegSuccess, "    "},
      {2, "abcdef", 6, platform::kRegMoreData, "   "},  // whatever the buffer holds
      {4, "", 0, platform::kRegSuccess, ""},
  };
  for (const auto& row : rows) {
    ScriptedRegistry scripted;
    scripted.info.maxValueLen = row.longest;
    scripted.value = row.value;
    scripted.reportedLength = row.reported;
    scripted.readStatus = row.status;
    EXPECT_EQ(Aan(scripted, codec).RegGetString(platform::kHkeyCurrentUser, "k", "v"), row.expected) << row.value;
    EXPECT_EQ(scripted.open, 0) << row.value;
  }
}

TEST_F(AanSafety, AnAbsurdLongestValueDoesNotSizeTheBuffer) {
  registry.info.maxValueLen = 0xFFFFFFFFu;
  registry.value = std::string("45\0", 3);
  registry.reportedLength = 3;
  EXPECT_EQ(Read(), "45");
  EXPECT_LT(registry.bufferSeen, 0xFFFFFFFFu);
  EXPECT_GT(registry.bufferSeen, 3u);
}

TEST_F(AanSafety, ANameThatCannotBeReadKeepsTheBlanksWhateverLengthIsReported) {
  registry.info.subKeys = 2;
  registry.info.maxSubKeyLen = 3;
  registry.reportedLength = 50;
  EXPECT_EQ(List(), (SubKeyNames{"", "    ", "    "}));
  EXPECT_EQ(registry.bufferSeen, 4u);
  EXPECT_EQ(registry.open, 0);
  registry.info.subKeys = 1;
  registry.info.maxSubKeyLen = 4;
  registry.reportedLength = 2;
  registry.enumStatus = platform::kRegNoMoreItems;
  EXPECT_EQ(List(), (SubKeyNames{"", "     "}));
}

TEST_F(AanSafety, AbsurdSubkeyFiguresStayWithinBounds) {
  registry.info.subKeys = 0xFFFFFFFFu;
  registry.info.maxSubKeyLen = 0xFFFFFFFFu;
  registry.reportedLength = 1;
  const SubKeyNames names = List();
  EXPECT_GT(names.size(), 1u);
  EXPECT_LT(names.size(), 0xFFFFFFFFu);
  EXPECT_EQ(names[1], "n");
  EXPECT_LT(registry.bufferSeen, 0xFFFFFFFFu);
}

TEST_F(AanSafety, WritingConvertsToTheCodePageAndCountsItsBytes) {
  aan.RegSetValue(platform::kHkeyCurrentUser, "k", "v", "Grüße", platform::kRegSz);
  EXPECT_EQ(registry.written, std::string("Gr\xFC\xDF"
                                          "e\0",
                                          6));
  EXPECT_EQ(registry.writtenType, platform::kRegSz);
  aan.RegSetValue(platform::kHkeyCurrentUser, "k", "v", "ä", 4);
  EXPECT_EQ(registry.written, "\xE4");
  EXPECT_EQ(registry.open, 0);
}

}  // namespace
}  // namespace tarvio::dialup
