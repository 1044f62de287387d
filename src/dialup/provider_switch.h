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
// Does nothing before the lists are ready (start-up) or when nothing is selected. False
// when Windows refused to store any of the three; a refused write does not stop the
// others, so whichever place the running Windows reads still gets the name where it can.
bool ProviderSelected(platform::Registry& registry, const platform::ListControl& providerList, bool listsReady);

}  // namespace tarvio::dialup
