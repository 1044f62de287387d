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

}  // namespace tarvio::platform
