// Feeds arbitrary bytes to the portable profile reader as a plan file, with a section,
// key and buffer size taken from the input's first bytes. Layout of an input:
// size (2 bytes, little-endian), section length (1), section, key length (1), key, file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/portable/ini_profile_reader.h"

namespace {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::string Text(std::size_t length) {
    const std::size_t take = std::min(length, size_ - pos_);
    std::string text(reinterpret_cast<const char*>(data_ + pos_), take);
    pos_ += take;
    return text;
  }
  std::string Rest() { return Text(size_ - pos_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

const std::string& PlanPath() {
  static const std::string path = "/tmp/tarvio-ini-fuzz-" + std::to_string(getpid()) + ".ini";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  const std::uint32_t low = input.Byte();
  const std::uint32_t bufferSize = (low | (std::uint32_t{input.Byte()} << 8)) % 40000u + 1u;
  const std::string section = input.Text(input.Byte());
  const std::string key = input.Text(input.Byte());
  const std::string file = input.Rest();

  if (std::FILE* out = std::fopen(PlanPath().c_str(), "wb")) {
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
  }

  // The buffer is exactly as large as stated, so that a write past it is caught.
  std::vector<char> buffer(bufferSize);
  tarvio::platform::portable::IniProfileReader reader;
  const std::uint32_t copied = reader.GetProfileValue(section, key, "default", buffer.data(), bufferSize, PlanPath());
  if (copied >= bufferSize || buffer[copied] != '\0') std::abort();
  return 0;
}
