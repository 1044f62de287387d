#pragma once
// The ANSI code page (CP_ACP) as the system reports it.
#include "platform/ansi_code_page.h"

namespace tarvio::platform::win32 {

// AnsiCodePage::TakesUtf8WithoutMark for a given code page.
bool TakesUtf8WithoutMark(unsigned codePage);

class Win32AnsiCodePage final : public AnsiCodePage {
 public:
  bool TakesUtf8WithoutMark() const override;
  bool Holds(std::string_view utf8) const override;
};

}  // namespace tarvio::platform::win32
