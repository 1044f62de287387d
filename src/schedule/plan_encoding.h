#pragma once
// The form of a plan file's bytes, decided as Notepad writes and reads them, and the text of
// a plan in a Unicode form.
#include <string>
#include <string_view>

namespace tarvio::schedule {

enum class PlanEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

// A byte-order mark decides: UTF-16 little or big endian, or UTF-8. Without one, bytes that
// are valid UTF-8 with at least one character beyond ASCII are UTF-8 where
// utf8WithoutMark (AnsiCodePage::TakesUtf8WithoutMark); everything else is ANSI.
PlanEncoding DecidePlanEncoding(std::string_view bytes, bool utf8WithoutMark);

// The text of bytes in a Unicode form, as UTF-8 without the mark. What is no character (a
// broken sequence, a surrogate on its own) becomes U+FFFD; an odd last byte of UTF-16 is
// dropped.
std::string UnicodePlanText(std::string_view bytes, PlanEncoding encoding);

}  // namespace tarvio::schedule
