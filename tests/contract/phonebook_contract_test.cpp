#include <gtest/gtest.h>

#include "platform/portable/listed_phonebook.h"
#ifdef _WIN32
#include "platform/win32/win32_phonebook.h"
#endif

namespace tarvio::platform {
namespace {

TEST(Phonebook, ListedPhonebookReportsItsEntriesInTheirOrder) {
  portable::ListedPhonebook phonebook;
  phonebook.entries = {"Tagtarif", "abendtarif"};
  EXPECT_EQ(phonebook.EntryNames(), (std::vector<std::string>{"Tagtarif", "abendtarif"}));
}

#ifdef _WIN32
// Wine keeps no phonebook; whatever the system holds, the real call answers alike twice
// and never with an empty name.
TEST(Phonebook, RealPhonebookAnswersConsistently) {
  win32::Win32Phonebook phonebook;
  const std::vector<std::string> names = phonebook.EntryNames();
  for (const std::string& name : names) EXPECT_FALSE(name.empty());
  EXPECT_EQ(phonebook.EntryNames(), names);
}
#endif

}  // namespace
}  // namespace tarvio::platform
