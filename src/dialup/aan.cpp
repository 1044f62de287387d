#include "dialup/aan.h"

#include <algorithm>
#include <limits>

#include "platform/ansi_codec.h"

namespace tarvio::dialup {
namespace {

using platform::RegKey;
using platform::Registry;

// Windows limits key names to 255 characters, up to two bytes each in a double-byte
// code page; a larger figure from the registry can only be wrong and must not size a buffer.
constexpr std::uint32_t kMaxKeyNameBytes = 510;
// More subkeys than any dial-up setup could hold; guards against an absurd count.
constexpr std::uint32_t kMaxSubKeys = 65536;
// Values larger than this are read as missing rather than allocated.
constexpr std::uint32_t kMaxValueBytes = 16u * 1024u * 1024u;

bool IsStringType(std::uint32_t type) {
  return type == platform::kRegSz || type == platform::kRegExpandSz || type == platform::kRegMultiSz;
}

// Owns one key handle from its opening to the end of the call, on every path.
class OpenKey {
 public:
  explicit OpenKey(Registry& registry) : registry_(registry) {}
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (owned_) registry_.CloseKey(key_);
  }

  void Open(RegKey root, const std::string& path, std::uint32_t access) {
    RegKey key = 0;
    if (registry_.OpenKeyEx(root, path, 0, access, &key) != platform::kRegSuccess) return;
    key_ = key;
    owned_ = true;
  }
  void Create(RegKey root, const std::string& path) {
    RegKey key = 0;
    if (registry_.CreateKey(root, path, &key) != platform::kRegSuccess) return;
    key_ = key;
    // RegCreateKeyA gives back the caller's root itself for an empty path.
    owned_ = key != root;
  }
  // The key to work on; 0 when it could not be opened.
  RegKey Get() const { return key_; }

 private:
  Registry& registry_;
  RegKey key_ = 0;
  bool owned_ = false;
};

}  // namespace

std::string Aan::RegGetString(RegKey root, const std::string& keyPath, const std::string& valueName) {
  OpenKey key(registry_);
  key.Open(root, codec_.ToAnsi(keyPath), platform::kKeyQueryValue);

  platform::RegKeyInfo info;
  std::uint32_t type = platform::kRegNone;
  std::uint32_t longest = 0;
  if (key.Get() != 0 && registry_.QueryInfoKey(key.Get(), &info) == platform::kRegSuccess) longest = info.maxValueLen;
  longest = std::min(longest, kMaxValueBytes);

  // One read into a buffer sized from the key's longest value; a value that is missing
  // or does not fit leaves the buffer's blanks as the answer.
  std::string buffer(std::size_t{longest} + 1, ' ');
  std::uint32_t stored = longest + 1;
  if (key.Get() != 0) {
    std::uint32_t length = stored;
    const platform::RegStatus status =
        registry_.QueryValueEx(key.Get(), codec_.ToAnsi(valueName), &type, reinterpret_cast<std::uint8_t*>(buffer.data()),
                               &length);
    if (status == platform::kRegSuccess && length <= stored) {
      stored = length;
    } else {
      // Windows leaves the buffer's contents undefined when the data does not fit.
      std::fill(buffer.begin(), buffer.end(), ' ');
      type = platform::kRegNone;
    }
  }

  std::size_t textLength = stored;
  // String data ends with a zero byte that is not part of the text; stored without any
  // data at all, it is the empty text.
  if (IsStringType(type)) textLength = stored > 0 ? stored - 1u : 0u;
  buffer.resize(textLength);
  return codec_.FromAnsi(buffer);
}

void Aan::RegSetValue(RegKey root, const std::string& keyPath, const std::string& valueName, const std::string& value,
                      std::uint32_t type) {
  const std::string data = codec_.ToAnsi(value);
  if (data.size() >= std::numeric_limits<std::uint32_t>::max()) return;  // cannot be stated as a length
  std::uint32_t length = static_cast<std::uint32_t>(data.size());
  // c_str() supplies the terminating zero byte that string types store as well.
  if (IsStringType(type)) ++length;

  OpenKey key(registry_);
  key.Create(root, codec_.ToAnsi(keyPath));
  if (key.Get() == 0) return;
  registry_.SetValueEx(key.Get(), codec_.ToAnsi(valueName), type, reinterpret_cast<const std::uint8_t*>(data.c_str()),
                       length);
}

SubKeyNames Aan::RegEnumSubKeys(RegKey root, const std::string& keyPath) {
  OpenKey key(registry_);
  key.Open(root, codec_.ToAnsi(keyPath), platform::kKeyAllAccess);

  platform::RegKeyInfo info;
  if (key.Get() == 0 || registry_.QueryInfoKey(key.Get(), &info) != platform::kRegSuccess) return SubKeyNames(1);
  const std::uint32_t count = std::min(info.subKeys, kMaxSubKeys);
  const std::uint32_t bufferSize = std::min(info.maxSubKeyLen, kMaxKeyNameBytes) + 1;

  SubKeyNames names(std::size_t{count} + 1);
  for (std::uint32_t i = 1; i <= count; ++i) {
    std::string buffer(bufferSize, ' ');
    std::uint32_t length = bufferSize;
    const platform::RegStatus status = registry_.EnumKeyEx(key.Get(), i - 1, buffer.data(), &length);
    // A subkey that cannot be read (removed meanwhile, or a longer name than reported)
    // keeps the blanks of its buffer.
    if (status == platform::kRegSuccess && length < bufferSize) {
      buffer.resize(length);
      names[i] = codec_.FromAnsi(buffer);
    } else {
      names[i] = std::string(bufferSize, ' ');
    }
  }
  return names;
}

}  // namespace tarvio::dialup
