#pragma once
// RasEnumEntriesA over all phonebooks (null phonebook path), looked up at run time: no
// entries where dial-up networking is not installed. The ANSI names are
// converted to UTF-8.
#include "platform/phonebook.h"

namespace tarvio::platform::win32 {

class Win32Phonebook final : public Phonebook {
 public:
  std::vector<std::string> EntryNames() override;
};

}  // namespace tarvio::platform::win32
