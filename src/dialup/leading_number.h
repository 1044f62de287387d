#pragma once
// Reading the number a text begins with, as the window toolkit's text-to-number rule has it.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvio::dialup {

// The number at the start of the text after leading blanks: an optional sign, digits and
// an optional decimal point with more digits. 0 when the text begins with no number.
double LeadingNumber(std::string_view text);

// Nearest whole number, exact halves to the even neighbour; nothing when the value is
// out of the signed 32-bit range (or not a number).
std::optional<std::int32_t> RoundToInt32(double value);

}  // namespace tarvio::dialup
