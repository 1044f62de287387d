#include "support/registry_backends.h"

#include <atomic>

#include "platform/portable/cp1252_codec.h"
#include "platform/portable/memory_registry.h"
#ifdef _WIN32
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_registry_scratch.h"
#endif

namespace tarvio::test_support {
namespace {

class MemoryBackend final : public RegistryBackend {
 public:
  platform::Registry& Registry() override { return registry_; }
  const platform::AnsiCodec& Codec() const override { return codec_; }
  void DeleteTree(platform::RegKey root, const std::string& path) override { registry_.DeleteTree(root, path); }
  bool EnumeratesInCreationOrder() const override { return true; }
  bool ReportsAnsiValueLengths() const override { return true; }

 private:
  platform::portable::MemoryRegistry registry_;
  platform::portable::Cp1252Codec codec_;
};

#ifdef _WIN32
class Win32Backend final : public RegistryBackend {
 public:
  platform::Registry& Registry() override { return registry_; }
  const platform::AnsiCodec& Codec() const override { return codec_; }
  void DeleteTree(platform::RegKey root, const std::string& path) override {
    platform::win32::DeleteKeyTree(root, path);
  }
  bool EnumeratesInCreationOrder() const override { return false; }
  bool ReportsAnsiValueLengths() const override { return !platform::win32::RunningUnderWine(); }

 private:
  platform::win32::Win32Registry registry_;
  platform::win32::Win32Codec codec_;
};
#endif

}  // namespace

std::vector<RegistryBackendFactory> RegistryBackendFactories() {
  std::vector<RegistryBackendFactory> factories;
  factories.push_back({"Memory", [] { return std::make_unique<MemoryBackend>(); }});
#ifdef _WIN32
  factories.push_back({"Win32", [] { return std::make_unique<Win32Backend>(); }});
#endif
  return factories;
}

std::string ScratchKeyPath() {
#ifdef _WIN32
  return "Software\\TarvioTest\\" + platform::win32::UniqueScratchName();
#else
  static std::atomic<int> counter{0};
  return "Software\\TarvioTest\\t" + std::to_string(++counter);
#endif
}

void RegistryBackendTest::SetUp() {
  backend = GetParam().make();
  scratch = ScratchKeyPath();
}

void RegistryBackendTest::TearDown() { backend->DeleteTree(platform::kHkeyCurrentUser, scratch); }

void RegistryBackendTest::PutRaw(const std::string& path, const std::string& name, std::uint32_t type,
                                 const std::string& bytes) {
  platform::Registry& registry = backend->Registry();
  platform::RegKey key = 0;
  ASSERT_EQ(registry.CreateKey(platform::kHkeyCurrentUser, path, &key), platform::kRegSuccess);
  EXPECT_EQ(registry.SetValueEx(key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                static_cast<std::uint32_t>(bytes.size())),
            platform::kRegSuccess);
  EXPECT_EQ(registry.CloseKey(key), platform::kRegSuccess);
}

std::pair<std::uint32_t, std::string> RegistryBackendTest::GetRaw(const std::string& path, const std::string& name) {
  platform::Registry& registry = backend->Registry();
  platform::RegKey key = 0;
  if (registry.OpenKeyEx(platform::kHkeyCurrentUser, path, 0, platform::kKeyQueryValue, &key) != platform::kRegSuccess) {
    return {platform::kRegNone, "<no key>"};
  }
  std::uint32_t type = platform::kRegNone;
  std::uint32_t size = 0;
  std::string bytes = "<no value>";
  if (registry.QueryValueEx(key, name, &type, nullptr, &size) == platform::kRegSuccess) {
    bytes.assign(size, '\0');
    registry.QueryValueEx(key, name, &type, reinterpret_cast<std::uint8_t*>(bytes.data()), &size);
    bytes.resize(size);
  }
  registry.CloseKey(key);
  return {type, bytes};
}

std::string BackendName(const ::testing::TestParamInfo<RegistryBackendFactory>& info) { return info.param.name; }

void RecordingRegistry::Opened(platform::RegStatus status, platform::RegKey root, const platform::RegKey* result) {
  if (status == platform::kRegSuccess && result != nullptr && *result != root) openHandles.insert(*result);
}

platform::RegStatus RecordingRegistry::OpenKeyEx(platform::RegKey root, const std::string& subKey,
                                                 std::uint32_t options, std::uint32_t access,
                                                 platform::RegKey* result) {
  calls.push_back("open");
  const platform::RegStatus status = inner_.OpenKeyEx(root, subKey, options, access, result);
  Opened(status, root, result);
  return status;
}

platform::RegStatus RecordingRegistry::QueryInfoKey(platform::RegKey key, platform::RegKeyInfo* info) {
  calls.push_back("query");
  const platform::RegStatus status = inner_.QueryInfoKey(key, info);
  if (afterQueryInfo) afterQueryInfo();
  return status;
}

platform::RegStatus RecordingRegistry::QueryValueEx(platform::RegKey key, const std::string& valueName,
                                                    std::uint32_t* type, std::uint8_t* data,
                                                    std::uint32_t* dataLen) {
  calls.push_back("read");
  return inner_.QueryValueEx(key, valueName, type, data, dataLen);
}

platform::RegStatus RecordingRegistry::EnumKeyEx(platform::RegKey key, std::uint32_t index, char* name,
                                                 std::uint32_t* nameLen) {
  calls.push_back("enum");
  return inner_.EnumKeyEx(key, index, name, nameLen);
}

platform::RegStatus RecordingRegistry::CreateKey(platform::RegKey root, const std::string& subKey,
                                                 platform::RegKey* result) {
  calls.push_back("create");
  const platform::RegStatus status = inner_.CreateKey(root, subKey, result);
  Opened(status, root, result);
  return status;
}

platform::RegStatus RecordingRegistry::SetValueEx(platform::RegKey key, const std::string& valueName,
                                                  std::uint32_t type, const std::uint8_t* data,
                                                  std::uint32_t dataLen) {
  calls.push_back("set");
  valuesWritten.push_back(valueName);
  return inner_.SetValueEx(key, valueName, type, data, dataLen);
}

platform::RegStatus RecordingRegistry::CloseKey(platform::RegKey key) {
  calls.push_back("close");
  openHandles.erase(key);
  return inner_.CloseKey(key);
}

}  // namespace tarvio::test_support
