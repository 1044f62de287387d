#pragma once
// The selection handler of ProviderList: makes the selected dial-up entry the user's
// default Internet connection.

namespace tarvio::platform {
class ListControl;
class Registry;
}  // namespace tarvio::platform

namespace tarvio::dialup {

// Writes the selected name to "InternetProfile" and then "Default" below
// HKEY_CURRENT_USER\remoteaccess (Windows 95 to 2000), then to "DefaultInternet" below
// HKEY_CURRENT_USER\Software\Microsoft\RAS Autodial\Default (Windows XP and later).
// Does nothing before the lists are ready (start-up) or when nothing is selected.
void ProviderSelected(platform::Registry& registry, const platform::ListControl& providerList, bool listsReady);

}  // namespace tarvio::dialup
