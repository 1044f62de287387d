// The registry primitives answer alike on every back-end: status codes, sizes, and what
// stays untouched on failure.
#include <gtest/gtest.h>

#include <string>

#include "support/registry_backends.h"

namespace tarvio::test_support {
namespace {

using platform::kHkeyCurrentUser;
using platform::RegKey;

class RegistryPrimitives : public RegistryBackendTest {
 protected:
  platform::Registry& Reg() { return backend->Registry(); }
  RegKey Open(const std::string& path, std::uint32_t access = platform::kKeyAllAccess) {
    RegKey key = 0;
    EXPECT_EQ(Reg().OpenKeyEx(kHkeyCurrentUser, path, 0, access, &key), platform::kRegSuccess);
    return key;
  }
};

TEST_P(RegistryPrimitives, FailedOpensLeaveTheHandleAlone) {
  RegKey key = 12345;
  EXPECT_EQ(Reg().OpenKeyEx(kHkeyCurrentUser, Below("missing"), 0, platform::kKeyQueryValue, &key),
            platform::kRegFileNotFound);
  EXPECT_EQ(key, 12345u);
  key = 0;
  EXPECT_EQ(Reg().OpenKeyEx(0x7654320, "x", 0, platform::kKeyQueryValue, &key), platform::kRegInvalidHandle);
  EXPECT_EQ(key, 0u);
}

TEST_P(RegistryPrimitives, ClosedHandlesAreInvalid) {
  PutRaw(scratch, "v", platform::kRegSz, std::string("x\0", 2));
  const RegKey key = Open(scratch);
  ASSERT_EQ(Reg().CloseKey(key), platform::kRegSuccess);
  EXPECT_EQ(Reg().CloseKey(key), platform::kRegInvalidHandle);
  platform::RegKeyInfo info;
  EXPECT_EQ(Reg().QueryInfoKey(key, &info), platform::kRegInvalidHandle);
}

TEST_P(RegistryPrimitives, KeyPathsAndValueNamesIgnoreLetterCase) {
  PutRaw(Below("Remote\\Profile"), "InternetProfile", platform::kRegSz, std::string("x\0", 2));
  EXPECT_EQ(GetRaw(Below("REMOTE\\profile"), "internetprofile"),
            std::make_pair(platform::kRegSz, std::string("x\0", 2)));
}

TEST_P(RegistryPrimitives, QueryInfoReportsCountsAndTheLongestSubkeyName) {
  PutRaw(Below("ab"), "v", platform::kRegSz, std::string("1\0", 2));
  PutRaw(Below("abcde"), "v", platform::kRegSz, std::string("1\0", 2));
  PutRaw(scratch, "one", platform::kRegBinary, "12345");
  PutRaw(scratch, "two", platform::kRegBinary, "1234567");
  const RegKey key = Open(scratch);
  platform::RegKeyInfo info;
  ASSERT_EQ(Reg().QueryInfoKey(key, &info), platform::kRegSuccess);
  EXPECT_EQ(info.subKeys, 2u);
  EXPECT_EQ(info.maxSubKeyLen, 5u);
  EXPECT_EQ(info.values, 2u);
  EXPECT_EQ(info.maxValueNameLen, 3u);
  EXPECT_EQ(info.maxValueLen, 7u);  // binary data counts the same everywhere
  Reg().CloseKey(key);
}

TEST_P(RegistryPrimitives, ValueQueriesReportTheSizeAndLeaveAMissingValuesFiguresAlone) {
  PutRaw(scratch, "v", platform::kRegBinary, "123456");
  const RegKey key = Open(scratch);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_EQ(Reg().QueryValueEx(key, "v", &type, nullptr, &size), platform::kRegSuccess);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(type, platform::kRegBinary);
  std::uint8_t small[3] = {};
  size = sizeof small;
  EXPECT_EQ(Reg().QueryValueEx(key, "v", &type, small, &size), platform::kRegMoreData);
  EXPECT_EQ(size, 6u);
  type = 0;
  size = sizeof small;
  EXPECT_EQ(Reg().QueryValueEx(key, "missing", &type, small, &size), platform::kRegFileNotFound);
  EXPECT_EQ(type, 0u);
  EXPECT_EQ(size, 3u);
  Reg().CloseKey(key);
}

TEST_P(RegistryPrimitives, EnumerationReportsShortBuffersAndTheEnd) {
  PutRaw(Below("Gamma"), "v", platform::kRegBinary, "1");
  const RegKey key = Open(scratch);
  char name[16] = {};
  std::uint32_t length = 5;  // "Gamma" needs a sixth byte for its zero
  EXPECT_EQ(Reg().EnumKeyEx(key, 0, name, &length), platform::kRegMoreData);
  length = sizeof name;
  EXPECT_EQ(Reg().EnumKeyEx(key, 0, name, &length), platform::kRegSuccess);
  EXPECT_EQ(std::string(name, length), "Gamma");
  length = sizeof name;
  EXPECT_EQ(Reg().EnumKeyEx(key, 1, name, &length), platform::kRegNoMoreItems);
  Reg().CloseKey(key);
}

TEST_P(RegistryPrimitives, CreatingOpensAnExistingKeyWithItsValues) {
  PutRaw(Below("a\\b"), "v", platform::kRegBinary, "xy");
  RegKey key = 0;
  ASSERT_EQ(Reg().CreateKey(kHkeyCurrentUser, Below("A\\B"), &key), platform::kRegSuccess);
  std::uint32_t size = 0;
  EXPECT_EQ(Reg().QueryValueEx(key, "v", nullptr, nullptr, &size), platform::kRegSuccess);
  EXPECT_EQ(size, 2u);
  Reg().CloseKey(key);
}

TEST_P(RegistryPrimitives, AKeyOpenedForReadingRefusesWrites) {
  PutRaw(scratch, "v", platform::kRegBinary, "1");
  const RegKey key = Open(scratch, platform::kKeyQueryValue);
  const std::uint8_t data[1] = {'2'};
  EXPECT_EQ(Reg().SetValueEx(key, "v", platform::kRegBinary, data, 1), platform::kRegAccessDenied);
  Reg().CloseKey(key);
  EXPECT_EQ(GetRaw(scratch, "v").second, "1");
}

INSTANTIATE_TEST_SUITE_P(AllBackends, RegistryPrimitives, ::testing::ValuesIn(RegistryBackendFactories()), BackendName);

}  // namespace
}  // namespace tarvio::test_support
