#include "dialup/provider_switch.h"

#include <string>

#include "dialup/registry_paths.h"
#include "platform/list_control.h"
#include "platform/registry.h"

namespace tarvio::dialup {

void ProviderSelected(platform::Registry& registry, const platform::ListControl& providerList, bool listsReady) {
  // An empty selection has no name; writing it would blank the user's default connection.
  if (!listsReady || providerList.ListIndex() < 0) return;
  const std::string& name = providerList.List(providerList.ListIndex());
  registry.SetString(kUser, kRemoteAccessKey, kInternetProfileValue, name);
  registry.SetString(kUser, kRemoteAccessKey, kDefaultValue, name);
  // Windows XP and later read the default connection from here; the machine-wide value
  // of the same name belongs to the administrator and stays as it is.
  registry.SetString(kUser, kAutodialDefaultKey, kDefaultInternetValue, name);
}

}  // namespace tarvio::dialup
