#include "dialup/provider_switch.h"

#include <string>

#include "dialup/registry_paths.h"
#include "platform/list_control.h"
#include "platform/registry.h"

namespace tarvio::dialup {

bool ProviderSelected(platform::Registry& registry, const platform::ListControl& providerList, bool listsReady) {
  // An empty selection has no name; writing it would blank the user's default connection.
  if (!listsReady || providerList.ListIndex() < 0) return true;
  const std::string& name = providerList.List(providerList.ListIndex());
  // Windows XP and later read the default connection from the last place; the
  // machine-wide value of the same name belongs to the administrator and stays as it is.
  const struct {
    const char* key;
    const char* value;
  } places[] = {{kRemoteAccessKey, kInternetProfileValue},
                {kRemoteAccessKey, kDefaultValue},
                {kAutodialDefaultKey, kDefaultInternetValue}};
  bool stored = true;
  for (const auto& place : places) stored = registry.SetString(kUser, place.key, place.value, name) && stored;
  return stored;
}

}  // namespace tarvio::dialup
