#pragma once
// Start-up's reading of the dial-up settings into the main window.
namespace tarvio::platform {
class ListControl;
class Phonebook;
}  // namespace tarvio::platform
namespace tarvio::schedule {
class Schedule;
}

namespace tarvio::dialup {

class Aan;

// Sets the idle-time lists from the stored time, fills ProviderList with the user's
// dial-up entries (the registry's, then those of the phonebooks not listed yet), selects
// the current default connection and builds the plan. Writes nothing: the selections it
// makes come before the lists are ready.
void LoadSettings(Aan& aan, platform::Phonebook& phonebook, platform::ListControl& hangUpDelayList,
                  platform::ListControl& hangUpUnitList, platform::ListControl& providerList,
                  schedule::Schedule& schedule);

}  // namespace tarvio::dialup
