// The conversion between UTF-8 and the ANSI code page on the real kernel32, in the code
// page of western Windows, 1252, and in UTF-8, which Windows 10 offers as the ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/ansi.h"
#include "platform/win32/win32_ansi_code_page.h"

namespace tarvio::platform::win32 {
namespace {

TEST(Ansi, EveryByteOfCodePage1252ComesBackAndWhatItLacksIsReplaced) {
  ASSERT_EQ(GetACP(), 1252u);
  const struct {
    std::string ansi, utf8;
  } rows[] = {{"B\xFCro \xE4\xF6\xC4\xD6\xDC\xDF", "Büro äöÄÖÜß"},
              {"\x80\x84\x93\x94\x96\x9F", "€„“”–Ÿ"},
              {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"}};  // no letters in 1252
  for (const auto& row : rows) {
    EXPECT_EQ(FromAnsi(row.ansi), row.utf8);
    EXPECT_EQ(ToAnsi(row.utf8), row.ansi);
  }
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    const std::string ansi(1, static_cast<char>(byte));
    EXPECT_EQ(ToAnsi(FromAnsi(ansi)), ansi) << byte;
  }
  // What the code page lacks becomes its nearest letter or '?', and what is no character
  // at all '?'; nothing is dropped.
  EXPECT_EQ(ToAnsi("Netz 日本 Ω \xC3"), "Netz ?? O ?");
  // So the code page holds what comes back, not what only comes near; it takes UTF-8 text.
  const Win32AnsiCodePage ansi;
  EXPECT_TRUE(ansi.Holds("Büro €") && !ansi.Holds("Łódź") && !ansi.Holds("日本") && ansi.TakesUtf8WithoutMark());
}

// Up to three bytes a UTF-16 unit, four for a pair of them: every text comes back whole.
TEST(Ansi, UTF8AsTheAnsiCodePageKeepsEveryCharacter) {
  for (const std::string text : {"日本語", "テスト接続 Büro €", "😀 漢字"}) {
    EXPECT_EQ(ToCodePage(text, CP_UTF8), text);
    EXPECT_EQ(FromCodePage(text, CP_UTF8), text);
  }
  // A plan's valid UTF-8 without a mark is taken for UTF-8 there and in a code page of one
  // byte a character, never in a double-byte one, whose text may be valid UTF-8 too.
  std::string takes;
  for (const unsigned codePage : {65001u, 1252u, 1251u, 932u, 936u, 949u, 950u}) {
    takes += TakesUtf8WithoutMark(codePage) ? '1' : '0';
  }
  EXPECT_EQ(takes, "1110000");
}

}  // namespace
}  // namespace tarvio::platform::win32
