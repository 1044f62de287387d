#pragma once
// The dial-up entries of the system's phonebooks (from Windows XP on, where the
// entries no longer live in the registry). Names are UTF-8 text, like all text inside
// the program.
#include <string>
#include <vector>

namespace tarvio::platform {

class Phonebook {
 public:
  virtual ~Phonebook() = default;
  // The entry names of all the user's and the machine's phonebooks; none when the
  // system cannot say.
  virtual std::vector<std::string> EntryNames() = 0;
};

}  // namespace tarvio::platform
