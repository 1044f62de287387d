#include "platform/portable/cp1252_codec.h"

#include <gtest/gtest.h>

namespace tarvio::platform::portable {
namespace {

TEST(Cp1252Codec, GermanTextRoundTripsAndUnmappableBecomesQuestionMark) {
  const Cp1252Codec codec;
  EXPECT_EQ(codec.ToAnsi("Info über Tarvio – ß€"), "Info \xFC" "ber Tarvio \x96 \xDF\x80");
  EXPECT_EQ(codec.FromAnsi("Info \xFC" "ber Tarvio \x96 \xDF\x80"), "Info über Tarvio – ß€");
  EXPECT_EQ(codec.ToAnsi("日本"), "??");
  EXPECT_EQ(codec.ToAnsi("\xC3"), "?");
  EXPECT_EQ(codec.FromAnsi("\x81"), "\xC2\x81");
  EXPECT_EQ(codec.ToAnsi("\xC2\x81"), "\x81");
}

}  // namespace
}  // namespace tarvio::platform::portable
