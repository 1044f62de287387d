#include "dialup/load_settings.h"

#include <string>
#include <vector>

#include "dialup/hangup_timer.h"
#include "dialup/registry_paths.h"
#include "platform/list_control.h"
#include "platform/phonebook.h"
#include "platform/registry.h"

namespace tarvio::dialup {
namespace {

// Windows 95 to 2000 keep the entries as registry keys, later versions in phonebooks; a
// system may show both. An entry known to the registry keeps the registry's spelling,
// and a name that several phonebooks share is listed once.
void AddPhonebookEntries(platform::Phonebook& phonebook, platform::ListControl& providerList) {
  for (const std::string& name : phonebook.EntryNames()) {
    if (!name.empty() && providerList.IndexOf(name) < 0) providerList.AddItem(name);
  }
}

}  // namespace

int CurrentConnection(platform::Registry& registry, const platform::ListControl& providerList) {
  const struct {
    platform::RegistryRoot root;
    const char* key;
    const char* value;
  } places[] = {{kUser, kRemoteAccessKey, kInternetProfileValue},
                {kUser, kAutodialDefaultKey, kDefaultInternetValue},
                {kMachine, kAutodialDefaultKey, kDefaultInternetValue}};
  for (const auto& place : places) {
    const auto name = registry.GetString(place.root, place.key, place.value);
    const int index = name ? providerList.IndexOf(*name) : -1;
    if (index >= 0) return index;
  }
  return -1;
}

void LoadSettings(platform::Registry& registry, platform::Phonebook& phonebook, platform::ListControl& hangUpDelayList,
                  platform::ListControl& hangUpUnitList, platform::ListControl& providerList) {
  ReadHangUpTime(registry, hangUpDelayList, hangUpUnitList);
  // The list sorts the names; their registry order does not matter.
  for (const std::string& name : registry.SubKeyNames(kUser, kProfilesKey)) providerList.AddItem(name);
  AddPhonebookEntries(phonebook, providerList);
  // With no entry named, the selection stays as it was (none).
  const int current = CurrentConnection(registry, providerList);
  if (current >= 0) providerList.SetListIndex(current);
}

}  // namespace tarvio::dialup
