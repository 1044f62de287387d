#pragma once
// RasEnumEntriesA over all phonebooks (null phonebook path); the ANSI names are
// converted to UTF-8.
#include "platform/phonebook.h"

namespace tarvio::platform {
class AnsiCodec;
}

namespace tarvio::platform::win32 {

class Win32Phonebook final : public Phonebook {
 public:
  explicit Win32Phonebook(const AnsiCodec& codec) : codec_(codec) {}
  std::vector<std::string> EntryNames() override;

 private:
  const AnsiCodec& codec_;
};

}  // namespace tarvio::platform::win32
