#pragma once
// UTF-8 decoding for the comparisons of names, and UTF-16 for the system's code-page
// conversions.
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvio::platform {

// The sequence at pos, advancing pos past it; a byte that starts no valid sequence
// yields kInvalidUtf8Byte + that byte, beyond every code point of Unicode, and advances
// by one.
inline constexpr char32_t kInvalidUtf8Byte = 0x110000;
char32_t NextCodePoint(std::string_view s, std::size_t& pos);

// What is no character (a broken sequence, a surrogate on its own, a number beyond
// U+10FFFF) becomes U+FFFD, the replacement character: nothing is dropped.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;
std::u16string Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(std::u16string_view utf16);

}  // namespace tarvio::platform
