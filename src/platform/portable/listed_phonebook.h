#pragma once
// A phonebook that holds whatever entries it is given, as UTF-8 names.
#include "platform/phonebook.h"

namespace tarvio::platform::portable {

class ListedPhonebook final : public Phonebook {
 public:
  std::vector<std::string> EntryNames() override { return entries; }
  std::vector<std::string> entries;
};

}  // namespace tarvio::platform::portable
