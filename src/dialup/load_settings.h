#pragma once
// Start-up's reading of the dial-up settings into the main window.

namespace tarvio::platform {
class ListControl;
class Phonebook;
class Registry;
}  // namespace tarvio::platform

namespace tarvio::dialup {

// Sets the idle-time lists from the stored time, fills ProviderList with the user's
// dial-up entries (the registry's, then those of the phonebooks not listed yet) and
// selects the current default connection. Writes nothing: the selections it makes come
// before the lists are ready. The plan is built right after it.
// The entry the system uses at the moment, as an index into the filled ProviderList: the
// older per-user value, else the per-user value of Windows XP and later, else that
// version's machine-wide one; -1 when none names an entry of the list.
int CurrentConnection(platform::Registry& registry, const platform::ListControl& providerList);

void LoadSettings(platform::Registry& registry, platform::Phonebook& phonebook, platform::ListControl& hangUpDelayList,
                  platform::ListControl& hangUpUnitList, platform::ListControl& providerList);

}  // namespace tarvio::dialup
