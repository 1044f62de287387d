#pragma once
// A registry held in memory, with the roots, key paths, value types and status codes of
// advapi32, for builds and tests without Windows. Names compare without regard to case
// (Windows-1252 letters); subkeys are enumerated in the order they were created, which
// Windows does not promise either, so callers that rely on a sorted order are caught.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tarvio::platform::portable {

inline constexpr RegStatus kRegKeyDeleted = 1018;  // ERROR_KEY_DELETED

class MemoryRegistry final : public Registry {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;
  MemoryRegistry(const MemoryRegistry&) = delete;
  MemoryRegistry& operator=(const MemoryRegistry&) = delete;

  RegStatus OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t options, std::uint32_t access,
                      RegKey* result) override;
  RegStatus QueryInfoKey(RegKey key, RegKeyInfo* info) override;
  RegStatus QueryValueEx(RegKey key, const std::string& valueName, std::uint32_t* type, std::uint8_t* data,
                         std::uint32_t* dataLen) override;
  RegStatus EnumKeyEx(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameLen) override;
  RegStatus CreateKey(RegKey root, const std::string& subKey, RegKey* result) override;
  RegStatus SetValueEx(RegKey key, const std::string& valueName, std::uint32_t type, const std::uint8_t* data,
                       std::uint32_t dataLen) override;
  RegStatus CloseKey(RegKey key) override;

  // A user without administrator rights: keys below HKEY_LOCAL_MACHINE can be read but
  // not created, opened for writing or written (ERROR_ACCESS_DENIED).
  void DenyMachineWrites(bool deny) { denyMachineWrites_ = deny; }
  // Removes the key with everything below it; handles still open on it report
  // ERROR_KEY_DELETED from then on, as on Windows.
  RegStatus DeleteTree(RegKey root, const std::string& subKey);
  // How many handles are open now (predefined roots not counted).
  std::size_t OpenHandles() const { return handles_.size(); }

 private:
  struct Node;
  struct Handle {
    std::shared_ptr<Node> node;
    std::uint32_t access;
  };

  // The key a handle or a predefined root stands for; null for unknown handles.
  const Handle* Find(RegKey key) const;
  bool WritesDenied(const Node& node) const;
  RegKey NewHandle(std::shared_ptr<Node> node, std::uint32_t access);

  std::shared_ptr<Node> currentUser_;
  std::shared_ptr<Node> localMachine_;
  std::map<RegKey, Handle> handles_;
  Handle currentUserRoot_;
  Handle localMachineRoot_;
  RegKey nextHandle_ = 0x100;
  bool denyMachineWrites_ = false;
};

}  // namespace tarvio::platform::portable
