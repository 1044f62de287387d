#include "schedule/provider_switch.h"

#include <string>

#include "dialup/aan.h"
#include "dialup/registry_paths.h"
#include "platform/list_control.h"
#include "platform/registry.h"

namespace tarvio::schedule {

void ProviderSelected(dialup::Aan& aan, const platform::ListControl& providerList, std::int16_t listsReady) {
  if (listsReady == 0) return;
  // An empty selection has no name; writing it would blank the user's default connection.
  if (providerList.ListIndex() < 0) return;
  const std::string name = providerList.List(providerList.ListIndex());
  aan.RegSetValue(platform::kHkeyCurrentUser, dialup::kRemoteAccessKey, dialup::kInternetProfileValue, name,
                  platform::kRegSz);
  aan.RegSetValue(platform::kHkeyCurrentUser, dialup::kRemoteAccessKey, dialup::kDefaultValue, name,
                  platform::kRegSz);
  // Windows XP and later read the default connection from here; the machine-wide value
  // of the same name belongs to the administrator and stays as it is.
  aan.RegSetValue(platform::kHkeyCurrentUser, dialup::kAutodialDefaultKey, dialup::kDefaultInternetValue, name,
                  platform::kRegSz);
}

}  // namespace tarvio::schedule
