#pragma once
// UTF-8 to and from the system's ANSI code page (CP_ACP), as the "A" functions expect.
#include "platform/ansi_codec.h"

namespace tarvio::platform::win32 {

class Win32Codec final : public AnsiCodec {
 public:
  std::string ToAnsi(std::string_view utf8) const override;
  std::string FromAnsi(std::string_view ansi) const override;
};

}  // namespace tarvio::platform::win32
