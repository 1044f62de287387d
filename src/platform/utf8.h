#pragma once
// UTF-8 encoding and decoding, shared by the comparisons and the portable code page.
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvio::platform {

// Appends the code point's UTF-8 form.
void AppendUtf8(std::string& out, char32_t cp);

// The sequence at pos, advancing pos past it; a byte that starts no valid sequence
// yields kInvalidUtf8Byte + that byte, beyond every code point of Unicode, and advances
// by one.
inline constexpr char32_t kInvalidUtf8Byte = 0x110000;
char32_t NextCodePoint(std::string_view s, std::size_t& pos);

}  // namespace tarvio::platform
