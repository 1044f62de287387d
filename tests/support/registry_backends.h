#pragma once
// The registry back-ends the contract tests run against: the memory registry everywhere,
// the real advapi32 in the Windows build. Each test works below its own scratch key.
#include <functional>
#include <ostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ansi_codec.h"
#include "platform/registry.h"

namespace tarvio::test_support {

class RegistryBackend {
 public:
  virtual ~RegistryBackend() = default;
  virtual platform::Registry& Registry() = 0;
  virtual const platform::AnsiCodec& Codec() const = 0;
  // Removes a key with everything below it.
  virtual void DeleteTree(platform::RegKey root, const std::string& path) = 0;
  // Windows promises no order of subkeys; only the memory registry fixes one (creation order).
  virtual bool EnumeratesInCreationOrder() const = 0;
  // Windows reports the longest value of a key in bytes of the ANSI data; Wine in bytes of
  // the UTF-16 form it keeps, so string values count about twice.
  virtual bool ReportsAnsiValueLengths() const = 0;
};

struct RegistryBackendFactory {
  std::string name;
  std::function<std::unique_ptr<RegistryBackend>()> make;
};
// Test output names the back-end rather than dumping its bytes.
inline void PrintTo(const RegistryBackendFactory& factory, std::ostream* out) { *out << factory.name; }

std::vector<RegistryBackendFactory> RegistryBackendFactories();
// A fresh key path below HKEY_CURRENT_USER\Software\TarvioTest, not created yet.
std::string ScratchKeyPath();

// Passes every call on and watches it: the handles open now, the values written, and a
// hook that runs right after each key query (to change the registry in between).
class RecordingRegistry final : public platform::Registry {
 public:
  explicit RecordingRegistry(platform::Registry& inner) : inner_(inner) {}

  platform::RegStatus OpenKeyEx(platform::RegKey root, const std::string& subKey, std::uint32_t options,
                                std::uint32_t access, platform::RegKey* result) override;
  platform::RegStatus QueryInfoKey(platform::RegKey key, platform::RegKeyInfo* info) override;
  platform::RegStatus QueryValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t* type,
                                   std::uint8_t* data, std::uint32_t* dataLen) override;
  platform::RegStatus EnumKeyEx(platform::RegKey key, std::uint32_t index, char* name,
                                std::uint32_t* nameLen) override;
  platform::RegStatus CreateKey(platform::RegKey root, const std::string& subKey, platform::RegKey* result) override;
  platform::RegStatus SetValueEx(platform::RegKey key, const std::string& valueName, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t dataLen) override;
  platform::RegStatus CloseKey(platform::RegKey key) override;

  std::set<platform::RegKey> openHandles;
  std::vector<std::string> valuesWritten;  // value names, in the order of the writes
  std::vector<std::string> calls;          // "open", "query", "read", "enum", "create", "set", "close"
  std::function<void()> afterQueryInfo;

 private:
  void Opened(platform::RegStatus status, platform::RegKey root, const platform::RegKey* result);
  platform::Registry& inner_;
};

// A test over every back-end, each run below a scratch key of its own that it removes again.
class RegistryBackendTest : public ::testing::TestWithParam<RegistryBackendFactory> {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The scratch path with more levels below it.
  std::string Below(const std::string& path) const { return scratch + "\\" + path; }
  // Stores a value with the primitives themselves, creating its key.
  void PutRaw(const std::string& path, const std::string& name, std::uint32_t type, const std::string& bytes);
  // The type and the bytes of a value as the primitives read them.
  std::pair<std::uint32_t, std::string> GetRaw(const std::string& path, const std::string& name);

  std::unique_ptr<RegistryBackend> backend;
  std::string scratch;
};

std::string BackendName(const ::testing::TestParamInfo<RegistryBackendFactory>& info);

}  // namespace tarvio::test_support
