#pragma once
// Text is UTF-8 inside the program and the system's ANSI code page at the platform
// boundary; this is the one place that converts between the two.
#include <string>
#include <string_view>

namespace tarvio::platform {

class AnsiCodec {
 public:
  virtual ~AnsiCodec() = default;
  // Characters the code page lacks become '?', as the "A" functions would see them.
  virtual std::string ToAnsi(std::string_view utf8) const = 0;
  virtual std::string FromAnsi(std::string_view ansi) const = 0;
};

}  // namespace tarvio::platform
