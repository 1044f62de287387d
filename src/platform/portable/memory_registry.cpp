#include "platform/portable/memory_registry.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

namespace tarvio::platform::portable {
namespace {

constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
constexpr std::uint32_t kKeyRead = 0x20019;
// Every right that lets a handle change the key or what is below it.
constexpr std::uint32_t kWriteRights = kKeySetValue | kKeyCreateSubKey | 0x0020u /* KEY_CREATE_LINK */ |
                                       0x10000u /* DELETE */ | 0x40000u /* WRITE_DAC */ |
                                       0x80000u /* WRITE_OWNER */;

// Windows-1252 letters folded to lower case, the way Windows compares key and value names.
unsigned char Fold(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);  // À..Þ except ×
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 0x10);  // Š Œ Ž
  if (c == 0x9F) return 0xFF;                                                           // Ÿ
  return c;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return Fold(static_cast<unsigned char>(x)) == Fold(static_cast<unsigned char>(y));
         });
}

// The levels of a key path; empty levels (doubled or trailing backslashes) are skipped.
std::vector<std::string> Levels(const std::string& path) {
  std::vector<std::string> levels;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) levels.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return levels;
}

std::uint32_t Length(std::size_t size) { return static_cast<std::uint32_t>(std::min<std::size_t>(size, UINT32_MAX)); }

}  // namespace

struct MemoryRegistry::Node {
  struct Value {
    std::string name;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
  };

  Node(std::string nodeName, bool underMachine) : name(std::move(nodeName)), machine(underMachine) {}

  std::shared_ptr<Node> Child(std::string_view childName) const {
    for (const auto& child : children) {
      if (SameName(child->name, childName)) return child;
    }
    return nullptr;
  }
  Value* FindValue(std::string_view valueName) {
    for (Value& value : values) {
      if (SameName(value.name, valueName)) return &value;
    }
    return nullptr;
  }
  void MarkDeleted() {
    deleted = true;
    for (const auto& child : children) child->MarkDeleted();
  }

  std::string name;
  bool machine;
  bool deleted = false;
  std::vector<std::shared_ptr<Node>> children;  // in creation order
  std::vector<Value> values;
};

MemoryRegistry::MemoryRegistry()
    : currentUser_(std::make_shared<Node>("HKEY_CURRENT_USER", false)),
      localMachine_(std::make_shared<Node>("HKEY_LOCAL_MACHINE", true)),
      currentUserRoot_{currentUser_, kKeyAllAccess},
      localMachineRoot_{localMachine_, kKeyAllAccess} {}

MemoryRegistry::~MemoryRegistry() = default;

const MemoryRegistry::Handle* MemoryRegistry::Find(RegKey key) const {
  if (key == kHkeyCurrentUser) return &currentUserRoot_;
  if (key == kHkeyLocalMachine) return &localMachineRoot_;
  const auto found = handles_.find(key);
  return found == handles_.end() ? nullptr : &found->second;
}

bool MemoryRegistry::WritesDenied(const Node& node) const { return denyMachineWrites_ && node.machine; }

RegKey MemoryRegistry::NewHandle(std::shared_ptr<Node> node, std::uint32_t access) {
  // Handle values are never reused, so a handle used after its close is always caught.
  const RegKey key = nextHandle_;
  nextHandle_ += 4;
  handles_.emplace(key, Handle{std::move(node), access});
  return key;
}

RegStatus MemoryRegistry::OpenKeyEx(RegKey root, const std::string& subKey, std::uint32_t /*options*/,
                                    std::uint32_t access, RegKey* result) {
  const Handle* parent = Find(root);
  if (parent == nullptr) return kRegInvalidHandle;
  if (result == nullptr) return kRegInvalidParameter;
  if (parent->node->deleted) return kRegKeyDeleted;
  std::shared_ptr<Node> node = parent->node;
  for (const std::string& level : Levels(subKey)) {
    node = node->Child(level);
    if (node == nullptr) return kRegFileNotFound;
  }
  if (WritesDenied(*node) && (access & kWriteRights) != 0) return kRegAccessDenied;
  *result = NewHandle(std::move(node), access);
  return kRegSuccess;
}

RegStatus MemoryRegistry::QueryInfoKey(RegKey key, RegKeyInfo* info) {
  const Handle* handle = Find(key);
  if (handle == nullptr) return kRegInvalidHandle;
  if (handle->node->deleted) return kRegKeyDeleted;
  if ((handle->access & kKeyQueryValue) == 0) return kRegAccessDenied;
  if (info == nullptr) return kRegSuccess;
  const Node& node = *handle->node;
  RegKeyInfo answer;
  answer.subKeys = Length(node.children.size());
  answer.values = Length(node.values.size());
  for (const auto& child : node.children) answer.maxSubKeyLen = std::max(answer.maxSubKeyLen, Length(child->name.size()));
  for (const auto& value : node.values) {
    answer.maxValueNameLen = std::max(answer.maxValueNameLen, Length(value.name.size()));
    answer.maxValueLen = std::max(answer.maxValueLen, Length(value.data.size()));
  }
  *info = answer;
  return kRegSuccess;
}

RegStatus MemoryRegistry::QueryValueEx(RegKey key, const std::string& valueName, std::uint32_t* type,
                                       std::uint8_t* data, std::uint32_t* dataLen) {
  const Handle* handle = Find(key);
  if (handle == nullptr) return kRegInvalidHandle;
  if (handle->node->deleted) return kRegKeyDeleted;
  if ((handle->access & kKeyQueryValue) == 0) return kRegAccessDenied;
  if (data != nullptr && dataLen == nullptr) return kRegInvalidParameter;
  Node::Value* value = handle->node->FindValue(valueName);
  if (value == nullptr) return kRegFileNotFound;
  if (type != nullptr) *type = value->type;
  if (dataLen == nullptr) return kRegSuccess;
  const std::uint32_t size = Length(value->data.size());
  const std::uint32_t room = *dataLen;
  *dataLen = size;
  if (data == nullptr) return kRegSuccess;
  if (room < size) return kRegMoreData;
  if (size > 0) std::memcpy(data, value->data.data(), size);
  return kRegSuccess;
}

RegStatus MemoryRegistry::EnumKeyEx(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameLen) {
  const Handle* handle = Find(key);
  if (handle == nullptr) return kRegInvalidHandle;
  if (handle->node->deleted) return kRegKeyDeleted;
  if ((handle->access & kKeyEnumerateSubKeys) == 0) return kRegAccessDenied;
  if (name == nullptr || nameLen == nullptr) return kRegInvalidParameter;
  const auto& children = handle->node->children;
  if (index >= children.size()) return kRegNoMoreItems;
  const std::string& childName = children[index]->name;
  // The name and its terminating zero must both fit.
  if (childName.size() >= *nameLen) return kRegMoreData;
  std::memcpy(name, childName.data(), childName.size());
  name[childName.size()] = '\0';
  *nameLen = Length(childName.size());
  return kRegSuccess;
}

RegStatus MemoryRegistry::CreateKey(RegKey root, const std::string& subKey, RegKey* result) {
  const Handle* parent = Find(root);
  if (parent == nullptr) return kRegInvalidHandle;
  if (result == nullptr) return kRegInvalidParameter;
  if (parent->node->deleted) return kRegKeyDeleted;
  const std::vector<std::string> levels = Levels(subKey);
  // RegCreateKeyA hands back the caller's own handle for an empty path.
  if (levels.empty()) {
    *result = root;
    return kRegSuccess;
  }
  std::shared_ptr<Node> node = parent->node;
  std::size_t existing = 0;
  while (existing < levels.size()) {
    std::shared_ptr<Node> child = node->Child(levels[existing]);
    if (child == nullptr) break;
    node = std::move(child);
    ++existing;
  }
  if (existing < levels.size()) {
    const bool parentMayCreate = existing > 0 || (parent->access & kKeyCreateSubKey) != 0;
    if (WritesDenied(*node) || !parentMayCreate) return kRegAccessDenied;
    for (std::size_t i = existing; i < levels.size(); ++i) {
      auto child = std::make_shared<Node>(levels[i], node->machine);
      node->children.push_back(child);
      node = std::move(child);
    }
  }
  // An existing key opens with whatever rights the user has: reading only, for a user
  // without administrator rights below HKEY_LOCAL_MACHINE.
  const std::uint32_t access = WritesDenied(*node) ? kKeyRead : kKeyAllAccess;
  *result = NewHandle(std::move(node), access);
  return kRegSuccess;
}

RegStatus MemoryRegistry::SetValueEx(RegKey key, const std::string& valueName, std::uint32_t type,
                                     const std::uint8_t* data, std::uint32_t dataLen) {
  const Handle* handle = Find(key);
  if (handle == nullptr) return kRegInvalidHandle;
  if (handle->node->deleted) return kRegKeyDeleted;
  if ((handle->access & kKeySetValue) == 0 || WritesDenied(*handle->node)) return kRegAccessDenied;
  if (data == nullptr && dataLen > 0) return kRegInvalidParameter;
  std::vector<std::uint8_t> bytes;
  if (dataLen > 0) bytes.assign(data, data + dataLen);
  if (Node::Value* value = handle->node->FindValue(valueName)) {
    value->type = type;
    value->data = std::move(bytes);
  } else {
    handle->node->values.push_back({valueName, type, std::move(bytes)});
  }
  return kRegSuccess;
}

RegStatus MemoryRegistry::CloseKey(RegKey key) {
  // Closing a predefined root succeeds and changes nothing, as on Windows.
  if (key == kHkeyCurrentUser || key == kHkeyLocalMachine) return kRegSuccess;
  return handles_.erase(key) == 1 ? kRegSuccess : kRegInvalidHandle;
}

RegStatus MemoryRegistry::DeleteTree(RegKey root, const std::string& subKey) {
  const Handle* parent = Find(root);
  if (parent == nullptr) return kRegInvalidHandle;
  const std::vector<std::string> levels = Levels(subKey);
  if (levels.empty()) return kRegAccessDenied;  // a root or the handle's own key stays
  std::shared_ptr<Node> node = parent->node;
  for (std::size_t i = 0; i + 1 < levels.size(); ++i) {
    node = node->Child(levels[i]);
    if (node == nullptr) return kRegFileNotFound;
  }
  auto& siblings = node->children;
  const auto found = std::find_if(siblings.begin(), siblings.end(),
                                  [&](const auto& child) { return SameName(child->name, levels.back()); });
  if (found == siblings.end()) return kRegFileNotFound;
  (*found)->MarkDeleted();
  siblings.erase(found);
  return kRegSuccess;
}

}  // namespace tarvio::platform::portable
