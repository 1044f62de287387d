#include "platform/text_compare.h"

#include <gtest/gtest.h>

namespace tarvio::platform {
namespace {

TEST(TextCompare, EqualsIgnoresCaseOfGermanAndAsciiLetters) {
  EXPECT_TRUE(EqualsNoCase("DayLine", "dayline"));
  EXPECT_TRUE(EqualsNoCase("Ärger", "äRGER"));
  EXPECT_TRUE(EqualsNoCase("ÖSTERREICH ÜBER", "österreich über"));
  EXPECT_FALSE(EqualsNoCase("Ärger", "Arger"));
  EXPECT_FALSE(EqualsNoCase("Beta", "Bet"));
  EXPECT_FALSE(EqualsNoCase("", " "));
  EXPECT_TRUE(EqualsNoCase("", ""));
}

TEST(TextCompare, InvalidUtf8NeverEqualsValidTextAndNeverReadsPastTheEnd) {
  EXPECT_FALSE(EqualsNoCase("\xC3", "\xC3\xA4"));
  EXPECT_TRUE(EqualsNoCase("\xFF\xC3", "\xFF\xC3"));
  EXPECT_NE(CompareNoCase("\xE2\x82", "a"), 0);
}

TEST(TextCompare, OrdersAlphabeticallyWithUmlautsBesideTheirBaseLetter) {
  EXPECT_LT(CompareNoCase("alpha", "Beta"), 0);
  EXPECT_GT(CompareNoCase("Gamma", "beta"), 0);
  EXPECT_EQ(CompareNoCase("BETA", "beta"), 0);
  EXPECT_LT(CompareNoCase("Apfel", "Ärger"), 0);
  EXPECT_LT(CompareNoCase("Ärger", "Birne"), 0);
  EXPECT_LT(CompareNoCase("Straße", "Strasz"), 0);
  EXPECT_LT(CompareNoCase("abc", "abcd"), 0);
}

}  // namespace
}  // namespace tarvio::platform
