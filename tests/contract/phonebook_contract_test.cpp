#include <gtest/gtest.h>

#include "platform/portable/listed_phonebook.h"
#ifdef _WIN32
#include "platform/win32/win32_codec.h"
#include "platform/win32/win32_phonebook.h"
#endif

namespace tarvio::platform {
namespace {

TEST(Phonebook, ListedPhonebookReportsItsUtf8EntriesInTheirOrder) {
  portable::ListedPhonebook phonebook;
  phonebook.entries = {"Tagtarif", "Straßenfunk", "abendtarif"};
  EXPECT_EQ(phonebook.EntryNames(), (std::vector<std::string>{"Tagtarif", "Straßenfunk", "abendtarif"}));
}

#ifdef _WIN32
// Wine keeps no phonebook; whatever the system holds, the real call answers alike twice
// never with an empty name, and in UTF-8 (each name survives the way back to ANSI).
TEST(Phonebook, RealPhonebookAnswersConsistently) {
  win32::Win32Codec codec;
  win32::Win32Phonebook phonebook(codec);
  const std::vector<std::string> names = phonebook.EntryNames();
  for (const std::string& name : names) {
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(codec.FromAnsi(codec.ToAnsi(name)), name);
  }
  EXPECT_EQ(phonebook.EntryNames(), names);
}
#endif

}  // namespace
}  // namespace tarvio::platform
