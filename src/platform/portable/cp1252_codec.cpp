#include "platform/portable/cp1252_codec.h"

#include <array>
#include <cstdint>

#include "platform/utf8.h"

namespace tarvio::platform::portable {
namespace {

// Bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t ByteToCodePoint(std::uint8_t b) {
  if (b >= 0x80 && b <= 0x9F) {
    const char32_t mapped = kHighControls[b - 0x80u];
    return mapped != 0 ? mapped : b;  // undefined bytes pass through as C1 controls
  }
  return b;
}

int CodePointToByte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp || (kHighControls[i] == 0 && cp == 0x80 + i)) return static_cast<int>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::string Cp1252Codec::ToAnsi(std::string_view utf8) const {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t cp = NextCodePoint(utf8, pos);
    out += cp >= kInvalidUtf8Byte ? '?' : static_cast<char>(CodePointToByte(cp));
  }
  return out;
}

std::string Cp1252Codec::FromAnsi(std::string_view ansi) const {
  std::string out;
  out.reserve(ansi.size());
  for (const char c : ansi) AppendUtf8(out, ByteToCodePoint(static_cast<std::uint8_t>(c)));
  return out;
}

}  // namespace tarvio::platform::portable
