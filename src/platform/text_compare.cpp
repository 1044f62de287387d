#include "platform/text_compare.h"

#include <cstddef>
#include <cstdint>

#include "platform/utf8.h"

namespace tarvio::platform {
namespace {

char32_t FoldCase(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c < 0xC0) return c;
  if (c <= 0xDE && c != 0xD7) return c + 0x20;  // Latin-1: À..Þ except ×
  if (c == 0x178) return 0xFF;                  // Ÿ
  if (c >= 0x100 && c <= 0x17F) {               // Latin Extended-A: pairs
    const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
    if (oddUpper) return (c % 2 == 1) ? c + 1 : c;
    return (c % 2 == 0) ? c + 1 : c;
  }
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

// The base letter of a folded Latin-1 letter with a diacritic, for the primary order;
// "ß" stands for two letters, "ss".
constexpr std::u32string_view kBase =
    U"aaaaaaaceeeeiiii"
    U"dnooooo\u00f7ouuuuy\u00fe"
    U"y";  // U+00E0..U+00FF

// Walks a text as the letters that decide the primary order, without allocating: the
// lists compare names thousands of times per rebuild.
class PrimaryLetters {
 public:
  explicit PrimaryLetters(std::string_view s) : s_(s) {}
  bool Done() const { return pendingS_ == 0 && pos_ >= s_.size(); }
  char32_t Next() {
    if (pendingS_ > 0) {
      --pendingS_;
      return U's';
    }
    const char32_t folded = FoldCase(NextCodePoint(s_, pos_));
    if (folded == 0xDF) {
      pendingS_ = 1;
      return U's';
    }
    if (folded >= 0xE0 && folded <= 0xFF) return kBase[folded - 0xE0];
    return folded;
  }

 private:
  std::string_view s_;
  std::size_t pos_ = 0;
  int pendingS_ = 0;
};

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (FoldCase(NextCodePoint(a, i)) != FoldCase(NextCodePoint(b, j))) return false;
  }
  return i == a.size() && j == b.size();
}

int CompareNoCase(std::string_view a, std::string_view b) {
  PrimaryLetters pa(a);
  PrimaryLetters pb(b);
  while (!pa.Done() && !pb.Done()) {
    const char32_t ca = pa.Next();
    const char32_t cb = pb.Next();
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (!pa.Done() || !pb.Done()) return pa.Done() ? -1 : 1;
  // Same letters but for diacritics: the plain letter first, then by code point. Equal
  // letters come from equally many code points, so both texts end together.
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const char32_t ca = FoldCase(NextCodePoint(a, i));
    const char32_t cb = FoldCase(NextCodePoint(b, j));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return 0;
}

}  // namespace tarvio::platform
