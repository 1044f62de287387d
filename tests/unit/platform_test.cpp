// The window toolkit's shared behaviours: lists, text comparison, UTF-8, numbers, twips.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "platform/list_control.h"
#include "platform/numbers.h"
#include "platform/screen.h"
#include "platform/text_compare.h"
#include "platform/utf8.h"
#include "support/items.h"

namespace tarvio::platform {
namespace {

using test::Items;
using test::Texts;

TEST(ListControl, SortsWithoutRegardToCaseOrKeepsTheOrderAdded) {
  ListControl sorted(ListControl::Order::Sorted);
  ListControl added(ListControl::Order::Added);
  for (const char* name : {"Beta", "alpha", "Gamma", "Ärger", "10", "9", "beta"}) {
    sorted.AddItem(name);
    added.AddItem(name);
  }
  EXPECT_EQ(Items(sorted), (Texts{"10", "9", "alpha", "Ärger", "Beta", "beta", "Gamma"}));
  EXPECT_EQ(Items(added), (Texts{"Beta", "alpha", "Gamma", "Ärger", "10", "9", "beta"}));
  EXPECT_EQ(sorted.IndexOf("BETA"), 4);
  EXPECT_EQ(sorted.IndexOf("ärger"), 3);
  EXPECT_EQ(sorted.IndexOf("Delta"), -1);
}

// Indices the list does not have change nothing and run nothing.
TEST(ListControl, SettingTheSelectionRunsTheHandlerAtOnceEvenWhenUnchanged) {
  ListControl list(ListControl::Order::Sorted);
  std::vector<int> seen;
  list.OnClick([&] { seen.push_back(list.ListIndex()); });
  list.SetListIndex(0);
  list.AddItem("m");
  list.SetListIndex(0);
  list.SetListIndex(0);
  list.SetListIndex(1);
  list.SetListIndex(-2);
  list.AddItem("a");  // the selection follows its item
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(list.List(7), "");
  list.SetListIndex(-1);
  list.AddItem("z");
  list.SetListIndex(0);
  list.Clear();  // no handler
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(seen, (std::vector<int>{0, 0, -1, 0}));
}

class RecordingView : public ListView {
 public:
  void ItemInserted(int index, const std::string& text) override { log += "+" + std::to_string(index) + text; }
  void ItemsCleared() override { log += "C"; }
  void SelectionShown(int index) override { log += "S" + std::to_string(index); }
  std::string log;
};

TEST(ListControl, AViewMirrorsContentsAndChanges) {
  ListControl list(ListControl::Order::Sorted);
  list.AddItem("b");
  RecordingView view;
  list.AttachView(&view);
  list.SetListIndex(0);
  list.AddItem("a");
  list.Clear();
  list.AttachView(nullptr);
  list.AddItem("c");
  EXPECT_EQ(view.log, "C+0bS-1S0+0aS1C");
}

TEST(TextCompare, EqualsWithoutRegardToCaseInEveryAlphabetTheNamesUse) {
  const struct {
    const char *a, *b;
    bool equal;
  } rows[] = {
      {"DayLine", "dayline", true},
      {"ÀÄÖÜÞ Ärger", "àäöüþ äRGER", true},
      {"Ÿ", "ÿ", true},
      {"ĀĂĄŊ", "āăąŋ", true},
      {"ĹĻĽŇ ŹŻŽ", "ĺļľň źżž", true},
      {"ΑΩΫ", "αωϋ", true},
      {"ЖЯ ЀЏ", "жя ѐџ", true},
      {"Ärger", "Arger", false},
      {"×", "÷", false},
      {"Σ", "ς", false},
      {"İ ı", "i i", false},
      {"İ", "ı", false},
      {"ƀ", "Ɓ", false},  // past the pairs of Latin Extended-A
      {"Beta", "Bet", false},
      {"", " ", false},
      {"\xC3", "\xC3\xA4", false},
      {"\xFF\xC3", "\xFF\xC3", true},
      {"\xC3", "\xF3\xB0\x83\x83", false},  // a broken byte is no character of Unicode
  };
  for (const auto& row : rows) EXPECT_EQ(EqualsNoCase(row.a, row.b), row.equal) << row.a << " / " << row.b;
}

TEST(TextCompare, OrdersAlphabeticallyWithDiacriticsBesideTheirBaseLetter) {
  const Texts ordered = {"",        "abc",    "abcd",   "Apfel", "Ärger", "Birne", "Etage",  "Éte",
                         "Strasse", "Straße", "Strasz", "ÿz",    "zebra", "Ωmega", "Яблоко", "\xE2\x82"};
  for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
    EXPECT_LT(CompareNoCase(ordered[i], ordered[i + 1]), 0) << ordered[i] << " < " << ordered[i + 1];
    EXPECT_GT(CompareNoCase(ordered[i + 1], ordered[i]), 0) << ordered[i + 1] << " > " << ordered[i];
  }
  EXPECT_EQ(CompareNoCase("BETA", "beta"), 0);
}

// Valid text of every sequence length goes to UTF-16 and back unchanged; what is no
// character becomes U+FFFD, byte by byte.
TEST(Utf8, ConvertsToUtf16AndBackAndReplacesWhatIsNoCharacter) {
  const struct {
    std::string utf8;
    std::u16string utf16;
    bool valid;
  } rows[] = {{"B\xC3\xBCro \x7F\xDF\xBF\xE2\x82\xAC", u"B\u00FCro \u007F\u07FF\u20AC", true},
              {"\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF", u"\U0001F600\U0010FFFF", true},
              {"\xC3"
               "a\x80\xF8\xE2\x82",  // a sequence broken, a byte that starts none, one cut off
               u"\uFFFDa\uFFFD\uFFFD\uFFFD\uFFFD", false},
              {"\xED\xA0\x80\xF4\x90\x80\x80", u"\uFFFD\uFFFD", false}};  // a surrogate, U+110000
  for (const auto& row : rows) {
    EXPECT_EQ(Utf16FromUtf8(row.utf8), row.utf16) << row.utf8;
    if (row.valid) {
      EXPECT_EQ(Utf8FromUtf16(row.utf16), row.utf8);
    }
  }
  // Lone surrogates: a high one before no low one or at the end, a low one alone.
  EXPECT_EQ(Utf8FromUtf16(u"\xD83D"
                          u"a\xDC00\xD83D"),
            "\xEF\xBF\xBD"
            "a\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Numbers, ReadTheNumberATextBeginsWith) {
  const std::pair<std::string, double> rows[] = {
      {"300", 300}, {"  150", 150}, {" 12ab", 12}, {"\t45", 45}, {"89.5", 89.5}, {".5", 0.5},   {"5.", 5},
      {"-12", -12}, {"+7", 7},      {"12abc", 12}, {"1e400", 1}, {"3 4", 3},     {"", 0},       {"   ", 0},
      {"abc", 0},   {"-", 0},       {".", 0},      {"- 5", 0},   {"007", 7},     {"1.2.3", 1.2}};
  for (const auto& [text, number] : rows) EXPECT_EQ(LeadingNumber(text), number) << '"' << text << '"';
  // Beyond a double: infinity, or 0 for the tiniest fraction.
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(LeadingNumber(std::string(400, '9')), kInfinity);
  EXPECT_EQ(LeadingNumber("-" + std::string(400, '9')), -kInfinity);
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(LeadingNumber(std::string(400, '0') + "42"), 42);
}

TEST(Numbers, RoundToTheNearestWholeNumberWithHalvesToEven) {
  const std::pair<double, std::int32_t> rows[] = {{0.5, 0},  {1.5, 2},  {2.5, 2},   {3.5, 4},  {1.52, 2},
                                                  {2.49, 2}, {-0.5, 0}, {-1.5, -2}, {-2.6, -3}};
  for (const auto& [value, whole] : rows) EXPECT_EQ(RoundToInt32(value), whole) << value;
  EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);  // the ends of the range
  EXPECT_EQ(RoundToInt32(-2147483648.5), std::numeric_limits<std::int32_t>::min());
  for (const double outside : {2147483647.5, -2147483649.0, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(RoundToInt32(outside), std::nullopt) << outside;
  }
}

TEST(Twips, ConvertToPixelsAtTheScreensDpi) {
  const struct {
    int twips, dpi, pixels;
  } rows[] = {{1455, 96, 97}, {1008, 96, 67}, {7, 96, 0}, {8, 96, 1}, {-8, 96, -1}, {2835, 144, 284}, {1, 192, 0}};
  for (const auto& row : rows) EXPECT_EQ(TwipsToPixels(row.twips, row.dpi), row.pixels) << row.twips << "@" << row.dpi;
  EXPECT_EQ(PixelsToTwips(97, 96), 1455);
  EXPECT_EQ(PixelsToTwips(1, 144), 10);
  EXPECT_EQ(PixelsToTwips(5, 0), 0);
  const ScreenMetrics screen = MetricsOfScreen(1024, 768, 96, 120);
  EXPECT_EQ(std::vector<double>({screen.widthTwips, screen.heightTwips, screen.twipsPerPixelX, screen.twipsPerPixelY}),
            std::vector<double>({15360, 9216, 15, 12}));
  EXPECT_EQ(MetricsOfScreen(1024, 768, 0, 96).twipsPerPixelX, 0);
}

}  // namespace
}  // namespace tarvio::platform
