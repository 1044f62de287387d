#include "platform/utf8.h"

#include <cstdint>

namespace tarvio::platform {

char32_t NextCodePoint(std::string_view s, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
  const std::uint8_t lead = byte(pos);
  std::size_t length = 0;
  char32_t cp{};
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    cp = lead & 0x1Fu;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    cp = lead & 0x0Fu;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    cp = lead & 0x07u;
  }
  if (length == 0 || pos + length > s.size()) {
    ++pos;
    return kInvalidUtf8Byte + lead;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const std::uint8_t next = byte(pos + i);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return kInvalidUtf8Byte + lead;
    }
    cp = (cp << 6) | (next & 0x3Fu);
  }
  pos += length;
  return cp;
}

namespace {

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t c) {
  const auto unit = [&out](char32_t bits) { out += static_cast<char>(bits); };
  if (c < 0x80) {
    unit(c);
  } else if (c < 0x800) {
    unit(0xC0 | (c >> 6));
    unit(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    unit(0xE0 | (c >> 12));
    unit(0x80 | ((c >> 6) & 0x3F));
    unit(0x80 | (c & 0x3F));
  } else {
    unit(0xF0 | (c >> 18));
    unit(0x80 | ((c >> 12) & 0x3F));
    unit(0x80 | ((c >> 6) & 0x3F));
    unit(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::u16string Utf16FromUtf8(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t c = NextCodePoint(utf8, pos);
    if (c > 0x10FFFF || IsSurrogate(c)) c = kReplacementCharacter;
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return out;
}

std::string Utf8FromUtf16(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    } else if (IsSurrogate(c)) {
      c = kReplacementCharacter;
    }
    AppendUtf8(out, c);
  }
  return out;
}

}  // namespace tarvio::platform
