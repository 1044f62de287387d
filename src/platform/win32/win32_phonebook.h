#pragma once
// RasEnumEntriesA over all phonebooks (null phonebook path), looked up at run time: no
// entries where dial-up networking is not installed. The ANSI names are
// converted to UTF-8. rasapi32 stays loaded from the first listing until the phonebook goes.
#include "platform/phonebook.h"
#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {

class Win32Phonebook final : public Phonebook {
 public:
  std::vector<std::string> EntryNames() override;

 private:
  ScopedLibrary ras_;
};

}  // namespace tarvio::platform::win32
