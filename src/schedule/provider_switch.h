#pragma once
// The selection handler of ProviderList: makes the selected dial-up entry the user's
// default Internet connection.
#include <cstdint>

namespace tarvio::platform {
class ListControl;
}
namespace tarvio::dialup {
class Aan;
}

namespace tarvio::schedule {

// Writes the selected name to "InternetProfile" and then "Default" below
// HKEY_CURRENT_USER\remoteaccess (Windows 95 to 2000), then to "DefaultInternet" below
// HKEY_CURRENT_USER\Software\Microsoft\RAS Autodial\Default (Windows XP and later);
// does nothing while listsReady is 0 (start-up) or when nothing is selected.
void ProviderSelected(dialup::Aan& aan, const platform::ListControl& providerList, std::int16_t listsReady);

}  // namespace tarvio::schedule
