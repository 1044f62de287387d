#include "platform/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace tarvio::platform {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double LeadingNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const std::size_t wholeStart = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  const std::string_view whole = text.substr(wholeStart, at - wholeStart);
  std::string_view fraction;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fractionStart = ++at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    fraction = text.substr(fractionStart, at - fractionStart);
  }
  if (whole.empty() && fraction.empty()) return 0.0;

  std::string number(whole.empty() ? std::string_view("0") : whole);
  if (!fraction.empty()) {
    number += '.';
    number += fraction;
  }
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // Too large for a double, or so small that it is 0.
    const bool large = whole.find_first_not_of('0') != std::string_view::npos;
    value = large ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc() || end != number.data() + number.size()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

std::optional<std::int32_t> RoundToInt32(double value) {
  if (std::isnan(value)) return std::nullopt;
  // Independent of the floating-point rounding mode in force.
  double rounded = std::floor(value);
  const double rest = value - rounded;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace tarvio::platform
