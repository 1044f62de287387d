#include "dialup/load_settings.h"

#include <string>
#include <vector>

#include "dialup/aan.h"
#include "dialup/hangup_timer.h"
#include "dialup/registry_paths.h"
#include "platform/list_control.h"
#include "platform/phonebook.h"
#include "platform/text_compare.h"
#include "schedule/schedule.h"

namespace tarvio::dialup {
namespace {

// The index of the first item equal to name without regard to case; -1 for none.
int FirstEqualItem(const platform::ListControl& list, const std::string& name) {
  const int last = list.ListCount() - 1;
  for (int index = 0; index <= last; ++index) {
    if (platform::EqualsNoCase(list.List(index), name)) return index;
  }
  return -1;
}

// Windows 95 to 2000 keep the entries as registry keys, later versions in phonebooks; a
// system may show both. An entry known to the registry keeps the registry's spelling,
// and a name that several phonebooks share is listed once.
void AddPhonebookEntries(platform::Phonebook& phonebook, platform::ListControl& providerList) {
  const std::vector<std::string> entries = phonebook.EntryNames();
  for (const std::string& name : entries) {
    if (name.empty() || FirstEqualItem(providerList, name) >= 0) continue;
    providerList.AddItem(name);
  }
}

// The entry the system uses at the moment: the older per-user value, else the per-user
// value of Windows XP and later, else that version's machine-wide one.
int CurrentConnection(Aan& aan, const platform::ListControl& providerList) {
  int index = FirstEqualItem(providerList,
                             aan.RegGetString(platform::kHkeyCurrentUser, kRemoteAccessKey, kInternetProfileValue));
  if (index < 0) {
    index = FirstEqualItem(providerList,
                           aan.RegGetString(platform::kHkeyCurrentUser, kAutodialDefaultKey, kDefaultInternetValue));
  }
  if (index < 0) {
    index = FirstEqualItem(providerList,
                           aan.RegGetString(platform::kHkeyLocalMachine, kAutodialDefaultKey, kDefaultInternetValue));
  }
  return index;
}

}  // namespace

void LoadSettings(Aan& aan, platform::Phonebook& phonebook, platform::ListControl& hangUpDelayList,
                  platform::ListControl& hangUpUnitList, platform::ListControl& providerList,
                  schedule::Schedule& schedule) {
  ReadHangUpTime(aan, hangUpDelayList, hangUpUnitList);

  // The list sorts the names; their registry order does not matter.
  const SubKeyNames names = aan.RegEnumSubKeys(platform::kHkeyCurrentUser, kProfilesKey);
  for (std::size_t i = 1; i < names.size(); ++i) providerList.AddItem(names[i]);
  AddPhonebookEntries(phonebook, providerList);

  // With no entry named, the selection stays as it was (none).
  const int current = CurrentConnection(aan, providerList);
  if (current >= 0) providerList.SetListIndex(current);

  schedule.RebuildSchedule();
}

}  // namespace tarvio::dialup
