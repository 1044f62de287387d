#pragma once
// The system's ANSI code page, which the "A" functions hand text over in: the dial-up
// entries come in it, and so do the values of a plan that the system's profile reader reads.
#include <string_view>

namespace tarvio::platform {

class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  // True where bytes without a mark that are valid UTF-8 may be taken for UTF-8: the code
  // page has one byte a character, or is UTF-8 itself (65001). Text in a double-byte code
  // page (932, 936, 949, 950) is often valid UTF-8 as well.
  virtual bool TakesUtf8WithoutMark() const = 0;
  // True when the code page holds the text: it converts to the code page and back unchanged.
  virtual bool Holds(std::string_view utf8) const = 0;
};

}  // namespace tarvio::platform
