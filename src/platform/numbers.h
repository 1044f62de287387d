#pragma once
// The window toolkit's rules for numbers: the number a text begins with, and the
// nearest whole number of a floating-point value.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvio::platform {

// The number at the start of the text after leading blanks: an optional sign, digits and
// an optional decimal point with more digits. 0 when the text begins with no number.
double LeadingNumber(std::string_view text);

// Nearest whole number, exact halves to the even neighbour; nothing when the value is
// out of the signed 32-bit range (or not a number).
std::optional<std::int32_t> RoundToInt32(double value);

}  // namespace tarvio::platform
