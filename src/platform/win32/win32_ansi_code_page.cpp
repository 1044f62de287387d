#include "platform/win32/win32_ansi_code_page.h"

#include <windows.h>

#include "platform/win32/ansi.h"

namespace tarvio::platform::win32 {

bool TakesUtf8WithoutMark(unsigned codePage) {
  CPINFO info{};
  return codePage == CP_UTF8 || (GetCPInfo(codePage, &info) && info.MaxCharSize == 1);
}

bool Win32AnsiCodePage::TakesUtf8WithoutMark() const { return win32::TakesUtf8WithoutMark(GetACP()); }

// What the code page lacks the conversion replaces with '?' or its nearest letter ("Ł"
// becomes "L" in 1252), so the text does not come back as it went.
bool Win32AnsiCodePage::Holds(std::string_view utf8) const { return FromAnsi(ToAnsi(utf8)) == utf8; }

}  // namespace tarvio::platform::win32
