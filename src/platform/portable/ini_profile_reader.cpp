#include "platform/portable/ini_profile_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/portable/cp1252_codec.h"
#include "platform/utf8.h"

namespace tarvio::platform::portable {
namespace {

// The blanks the profile functions drop around names and values: the C white space
// characters and Ctrl+Z, the end-of-file mark old editors leave behind.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Names and values end at a NUL byte, as the C strings the profile functions keep.
std::string_view UpToNul(std::string_view text) { return text.substr(0, std::min(text.find('\0'), text.size())); }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Profile names compare without regard to case for ASCII letters only; bytes from 0x80
// on must match exactly, as kernel32 does it.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::string_view RequestedName(const std::string& name) { return UpToNul(Trim(UpToNul(name))); }

bool ReadWholeFile(const std::string& fileName, std::string& content) {
  content.clear();
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName.c_str(), "rb"), &std::fclose);
  if (!file) return false;
  char chunk[65536];
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
    content.append(chunk, got);
    if (got < sizeof chunk) break;
  }
  return true;
}

// A file that begins with a UTF-16 byte-order mark is read as UTF-16 text and handed on
// in the ANSI code page; every other file is taken byte for byte (a UTF-8 mark included).
void DecodeUtf16IfMarked(std::string& content) {
  if (content.size() < 2) return;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(content[i]); };
  const bool little = byte(0) == 0xFF && byte(1) == 0xFE;
  const bool big = byte(0) == 0xFE && byte(1) == 0xFF;
  if (!little && !big) return;
  const auto unit = [&](std::size_t i) -> char32_t {
    return little ? static_cast<char32_t>(byte(i) | (byte(i + 1) << 8)) : static_cast<char32_t>((byte(i) << 8) | byte(i + 1));
  };
  std::string utf8;
  utf8.reserve(content.size());
  const std::size_t end = content.size() - (content.size() % 2);  // a last odd byte is dropped
  for (std::size_t i = 2; i < end; i += 2) {
    char32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < end) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;  // an unpaired half
    AppendUtf8(utf8, cp);
  }
  content = Cp1252Codec().ToAnsi(utf8);
}

// The value of key in section: nullopt when the section or key is missing, or when the
// key's line has no '=' (such a line still hides later lines with the same key).
std::optional<std::string_view> FindValue(std::string_view content, std::string_view section, std::string_view key) {
  // Lines before the first section header form a section without a name; since it always
  // comes first, a later "[]" header never wins over it.
  bool inSection = section.empty();
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t end = pos;
    while (end < content.size() && content[end] != '\n' && content[end] != '\r') ++end;
    const std::string_view line = Trim(content.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty()) continue;

    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        // Only the first section of a name counts; the lines of a repeated one are never read.
        if (inSection) return std::nullopt;
        inSection = SameName(UpToNul(Trim(line.substr(1, close - 1))), section);
        continue;
      }
      // Without a closing bracket the line is an ordinary entry.
    }
    if (!inSection) continue;

    const std::size_t equals = line.find('=');
    const std::string_view name = UpToNul(Trim(line.substr(0, std::min(equals, line.size()))));
    if (!SameName(name, key)) continue;
    if (equals == std::string_view::npos) return std::nullopt;
    return UpToNul(Trim(line.substr(equals + 1)));
  }
  return std::nullopt;
}

// Copies a value the way the profile functions do: one pair of matching quotes around
// it is dropped, and the text is cut to size - 1 characters. When the buffer is just
// short enough to cut off the closing quote, one character of the value goes with it.
std::uint32_t CopyValue(std::string_view value, char* buffer, std::uint32_t size) {
  bool quoted = false;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    quoted = true;
    value.remove_prefix(1);  // the closing quote stays until the cut below
  }
  std::size_t count = std::min<std::size_t>(size - 1, value.size());
  if (quoted && size >= value.size() && count > 0) --count;
  std::memcpy(buffer, value.data(), count);
  buffer[count] = '\0';
  return static_cast<std::uint32_t>(count);
}

}  // namespace

std::uint32_t IniProfileReader::GetProfileValue(const std::string& section, const std::string& key,
                                                const std::string& defaultValue, char* buffer, std::uint32_t size,
                                                const std::string& fileName) {
  if (buffer == nullptr || size == 0) return 0;
  std::optional<std::string_view> value;
  if (ReadWholeFile(fileName, content_)) {
    DecodeUtf16IfMarked(content_);
    value = FindValue(content_, RequestedName(section), RequestedName(key));
  }
  if (value) return CopyValue(*value, buffer, size);

  // The default loses trailing spaces (spaces only), then follows the value's rules.
  std::string_view fallback = UpToNul(defaultValue);
  while (!fallback.empty() && fallback.back() == ' ') fallback.remove_suffix(1);
  return CopyValue(fallback, buffer, size);
}

}  // namespace tarvio::platform::portable
