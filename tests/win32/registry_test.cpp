// AAN on the real advapi32: what each read gives back, what each write stores.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/win32_registry.h"

namespace tarvio::platform::win32 {
namespace {

using namespace std::string_literals;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

// A key of the test's own below HKEY_CURRENT_USER\Software, removed when the test is done.
class ScratchKey {
 public:
  ScratchKey() : path_("Software\\TarvioTest-" + std::to_string(GetCurrentProcessId())) {
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  }
  ~ScratchKey() {
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The first `length` bytes (all unless given) of `bytes`, stored as they are.
void Store(const std::string& path, const char* name, DWORD type, const std::string& bytes,
           std::size_t length = std::string::npos) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &key), ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(std::min(length, bytes.size())));
  RegCloseKey(key);
}

std::string Stored(const std::string& path, const char* name, DWORD* type) {
  char data[64] = {};
  DWORD size = sizeof data;
  HKEY key = nullptr;
  RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key);
  const LONG status = RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? std::string(data, size) : "<missing>";
}

// String values lose the zero bytes at their end, and only those; a REG_DWORD is its
// number; other types and what is missing read as nothing.
TEST(Win32Registry, ReadsStringsWholeAndNumbersAsNumbers) {
  const ScratchKey scratch;
  Win32Registry registry;
  const struct {
    const char* name;
    DWORD type;
    std::string stored;
    std::optional<std::string> read;
  } rows[] = {
      {"umlaut", REG_SZ, "B\xFCro\0"s, "Büro"},       {"expand", REG_EXPAND_SZ, "%TEMP%\0"s, "%TEMP%"},
      {"multi", REG_MULTI_SZ, "a\0b\0\0"s, "a\0b"s},  {"dword", REG_DWORD, "\x2C\x01\0\0"s, "300"},
      {"binary", REG_BINARY, "300\0"s, std::nullopt}, {"no data", REG_SZ, ""s, ""},
  };
  for (const auto& row : rows) Store(scratch.Path(), row.name, row.type, row.stored);
  // Stored as another program may store it: without its zero, a character following in
  // memory that is not part of the value.
  Store(scratch.Path(), "no zero", REG_SZ, "Anbieter2X", 9);
  for (const auto& row : rows) EXPECT_EQ(registry.GetString(kUser, scratch.Path(), row.name), row.read) << row.name;
  EXPECT_EQ(registry.GetString(kUser, scratch.Path(), "no zero"), "Anbieter2");
  EXPECT_EQ(registry.GetString(kUser, scratch.Path(), "missing"), std::nullopt);
  EXPECT_EQ(registry.GetString(kUser, scratch.Path() + "\\missing", "umlaut"), std::nullopt);
}

TEST(Win32Registry, WritesTextWithItsZeroAndCreatesTheWholePath) {
  const ScratchKey scratch;
  Win32Registry registry;
  const std::string path = scratch.Path() + "\\remoteaccess\\neu";
  registry.SetString(kUser, path, "InternetProfile", "300");
  registry.SetString(kUser, path, "Default", "");
  registry.SetString(kUser, path, "Name", "Büro");
  DWORD type = 0;
  EXPECT_EQ(Stored(path, "InternetProfile", &type), "300\0"s);
  EXPECT_EQ(type, DWORD{REG_SZ});
  EXPECT_EQ(Stored(path, "Default", &type), "\0"s);
  EXPECT_EQ(Stored(path, "Name", &type), "B\xFCro\0"s);
}

TEST(Win32Registry, ListsTheNamesOfTheSubkeys) {
  const ScratchKey scratch;
  Win32Registry registry;
  for (const char* name : {"Beta", "alpha", "Gamma"})
    Store(scratch.Path() + "\\Profile\\" + name + "\\x", "v", REG_SZ, "");
  std::vector<std::string> names = registry.SubKeyNames(kUser, scratch.Path() + "\\Profile");
  std::sort(names.begin(), names.end());  // Windows promises no order (Wine sorts)
  EXPECT_EQ(names, (std::vector<std::string>{"Beta", "Gamma", "alpha"}));
  EXPECT_TRUE(registry.SubKeyNames(kUser, scratch.Path() + "\\Profile\\Beta\\x").empty());
  EXPECT_TRUE(registry.SubKeyNames(kUser, scratch.Path() + "\\missing").empty());
}

}  // namespace
}  // namespace tarvio::platform::win32
