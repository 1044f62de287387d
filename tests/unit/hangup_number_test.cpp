#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "dialup/leading_number.h"

namespace tarvio::dialup {
namespace {

TEST(LeadingNumber, ReadsTheNumberTheTextBeginsWith) {
  const struct {
    const char* text;
    double number;
  } rows[] = {
      {"300", 300.0},  {"  150", 150.0}, {"\t45", 45.0},   {"89.5", 89.5},  {"0.5", 0.5},   {".5", 0.5},
      {"5.", 5.0},     {"-12", -12.0},   {"+7", 7.0},      {"12abc", 12.0}, {"1e400", 1.0}, {"3 4", 3.0},
      {"", 0.0},       {"   ", 0.0},     {"abc", 0.0},     {"-", 0.0},      {".", 0.0},     {"- 5", 0.0},
      {"007", 7.0},    {"1.2.3", 1.2},   {"\x2C\x01", 0.0},
  };
  for (const auto& row : rows) EXPECT_EQ(LeadingNumber(row.text), row.number) << '"' << row.text << '"';
}

TEST(LeadingNumber, HugeTextsBecomeInfinityOrZeroWithoutOverflow) {
  EXPECT_EQ(LeadingNumber(std::string(10000, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("-" + std::string(10000, '9')), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(LeadingNumber("0." + std::string(10000, '0') + "1"), 0.0);
  EXPECT_EQ(LeadingNumber(std::string(10000, '0') + "42"), 42.0);
}

TEST(RoundToInt32, RoundsToNearestWithHalvesToEven) {
  const struct {
    double value;
    std::int32_t whole;
  } rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {89.5, 90}, {90.5, 90}, {1.52, 2}, {2.49, 2},
              {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {-2.6, -3}, {2147483647.4, 2147483647}, {-2147483648.5, -2147483647 - 1}};
  for (const auto& row : rows) EXPECT_EQ(RoundToInt32(row.value), row.whole) << row.value;
}

TEST(RoundToInt32, ValuesOutsideTheRangeHaveNoWholeNumber) {
  EXPECT_FALSE(RoundToInt32(2147483647.5));
  EXPECT_FALSE(RoundToInt32(-2147483649.0));
  EXPECT_FALSE(RoundToInt32(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(RoundToInt32(std::numeric_limits<double>::quiet_NaN()));
}

}  // namespace
}  // namespace tarvio::dialup
