#pragma once
// Comparing UTF-8 text without regard to letter case, for German names and beyond
// ASCII: "Ä" equals "ä". One place, so that the lists and the plan look-up agree.
#include <string_view>

namespace tarvio::platform {

// True when both texts are the same but for letter case.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Alphabetical order without regard to case: < 0, 0 or > 0. Letters with diacritics sort
// beside their base letter ("Ärger" between "Apfel" and "Birne"); texts that differ
// only in case compare 0.
int CompareNoCase(std::string_view a, std::string_view b);

}  // namespace tarvio::platform
