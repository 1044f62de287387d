#pragma once
// UTF-8 decoding for the comparisons of names.
#include <cstddef>
#include <string_view>

namespace tarvio::platform {

// The sequence at pos, advancing pos past it; a byte that starts no valid sequence
// yields kInvalidUtf8Byte + that byte, beyond every code point of Unicode, and advances
// by one.
inline constexpr char32_t kInvalidUtf8Byte = 0x110000;
char32_t NextCodePoint(std::string_view s, std::size_t& pos);

}  // namespace tarvio::platform
