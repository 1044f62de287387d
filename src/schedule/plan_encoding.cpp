#include "schedule/plan_encoding.h"

#include <cstddef>
#include <optional>

#include "platform/utf8.h"

namespace tarvio::schedule {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// The character at pos by UTF-8's strict rules, advancing pos past it: nothing for a byte
// that starts no sequence, an overlong form, a surrogate or a number beyond U+10FFFF (pos
// then moves on by that one byte).
std::optional<char32_t> StrictCodePoint(std::string_view s, std::size_t& pos) {
  const std::size_t start = pos;
  const char32_t c = platform::NextCodePoint(s, pos);
  const std::size_t shortest = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  if (pos - start != shortest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    pos = start + 1;
    return std::nullopt;
  }
  return c;
}

bool IsUtf8BeyondAscii(std::string_view bytes) {
  bool beyondAscii = false;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::optional<char32_t> c = StrictCodePoint(bytes, pos);
    if (!c) return false;
    beyondAscii = beyondAscii || *c >= 0x80;
  }
  return beyondAscii;
}

std::string Utf8Text(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t start = pos;
    text += StrictCodePoint(bytes, pos) ? bytes.substr(start, pos - start) : kReplacement;
  }
  return text;
}

std::string Utf16Text(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    units += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  return platform::Utf8FromUtf16(units);
}

}  // namespace

PlanEncoding DecidePlanEncoding(std::string_view bytes, bool utf8WithoutMark) {
  if (bytes.starts_with(kUtf16LeMark)) return PlanEncoding::Utf16Le;
  if (bytes.starts_with(kUtf16BeMark)) return PlanEncoding::Utf16Be;
  if (bytes.starts_with(kUtf8Mark)) return PlanEncoding::Utf8;
  return utf8WithoutMark && IsUtf8BeyondAscii(bytes) ? PlanEncoding::Utf8 : PlanEncoding::Ansi;
}

std::string UnicodePlanText(std::string_view bytes, PlanEncoding encoding) {
  switch (encoding) {
    case PlanEncoding::Utf16Le:
    case PlanEncoding::Utf16Be:
      return Utf16Text(bytes.substr(kUtf16LeMark.size()), encoding == PlanEncoding::Utf16Be);
    case PlanEncoding::Utf8:
      if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
      return Utf8Text(bytes);
    case PlanEncoding::Ansi:
      break;
  }
  return std::string(bytes);
}

}  // namespace tarvio::schedule
