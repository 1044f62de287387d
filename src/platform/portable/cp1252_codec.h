#pragma once
// The ANSI code page of a German or Western European Windows, Windows-1252, for
// builds without the system's conversion functions.
#include "platform/ansi_codec.h"

namespace tarvio::platform::portable {

class Cp1252Codec final : public AnsiCodec {
 public:
  std::string ToAnsi(std::string_view utf8) const override;
  std::string FromAnsi(std::string_view ansi) const override;
};

}  // namespace tarvio::platform::portable
