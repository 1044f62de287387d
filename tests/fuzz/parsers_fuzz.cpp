// libFuzzer target for the parsers that ship: the stored idle time (the number a text
// begins with, rounded), UTF-8 decoding, the comparison and order of names, and the plan
// file: the decision on its form and the program's own reader.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "dialup/hangup_timer.h"
#include "platform/list_control.h"
#include "platform/numbers.h"
#include "platform/text_compare.h"
#include "platform/utf8.h"
#include "schedule/plan_encoding.h"
#include "schedule/profile_text.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvio;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  // Whatever the registry holds, the idle time lands on a place the lists have.
  const dialup::HangUpSelection shown = dialup::HangUpSelectionFromText(std::string(text));
  Require(shown.delayIndex >= -1 && shown.delayIndex < dialup::kHangUpDelayMax);
  Require(shown.unitIndex == dialup::kUnitSeconds || shown.unitIndex == dialup::kUnitMinutes);
  const double number = platform::LeadingNumber(text);
  if (const std::optional<std::int32_t> whole = platform::RoundToInt32(number)) {
    Require(*whole - number <= 0.5 && number - *whole <= 0.5);
  }

  // Every byte is decoded once, a sequence never reads past the end.
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t before = pos;
    platform::NextCodePoint(text, pos);
    Require(pos > before && pos - before <= 4 && pos <= text.size());
  }

  // Two names: equal without regard to case exactly when the order puts them together,
  // and the order the same both ways round; a sorted list keeps every neighbour in order.
  const std::string_view a = text.substr(0, text.size() / 2);
  const std::string_view b = text.substr(text.size() / 2);
  const int ab = platform::CompareNoCase(a, b);
  Require(platform::EqualsNoCase(a, b) == (ab == 0));
  Require(platform::EqualsNoCase(a, b) == platform::EqualsNoCase(b, a));
  Require((ab < 0) == (platform::CompareNoCase(b, a) > 0));
  platform::ListControl list(platform::ListControl::Order::Sorted);
  for (std::size_t at = 0; at < text.size(); at += 3) list.AddItem(std::string(text.substr(at, 3)));
  for (int i = 0; i + 1 < list.ListCount(); ++i) Require(platform::CompareNoCase(list.List(i), list.List(i + 1)) <= 0);

  // The bytes as a plan file: a Unicode form gives valid UTF-8 text; a value never holds a
  // line end nor more than the system's reader hands over, whatever the names asked for.
  for (const bool utf8WithoutMark : {true, false}) {
    const schedule::PlanEncoding encoding = schedule::DecidePlanEncoding(text, utf8WithoutMark);
    const std::string plan =
        encoding == schedule::PlanEncoding::Ansi ? std::string(text) : schedule::UnicodePlanText(text, encoding);
    Require(encoding == schedule::PlanEncoding::Ansi || platform::Utf8FromUtf16(platform::Utf16FromUtf8(plan)) == plan);
    const schedule::ProfileText reader(plan);
    for (const std::string_view section : {std::string_view("Werktags"), a}) {
      for (const std::string_view key : {std::string_view("08:00"), b}) {
        const std::string value = reader.GetString(section, key, "");
        Require(value.find_first_of("\r\n") == std::string::npos && platform::Utf16FromUtf8(value).size() <= 32766);
      }
    }
  }
  return 0;
}
