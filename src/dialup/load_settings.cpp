#include "dialup/load_settings.h"

#include "dialup/aan.h"
#include "dialup/hangup_timer.h"
#include "dialup/registry_paths.h"
#include "platform/list_control.h"
#include "platform/text_compare.h"
#include "schedule/schedule.h"

namespace tarvio::dialup {

void LoadSettings(Aan& aan, platform::ListControl& hangUpDelayList, platform::ListControl& hangUpUnitList,
                  platform::ListControl& providerList, schedule::Schedule& schedule) {
  ReadHangUpTime(aan, hangUpDelayList, hangUpUnitList);

  // The list sorts the names; their registry order does not matter.
  const SubKeyNames names = aan.RegEnumSubKeys(platform::kHkeyCurrentUser, kProfilesKey);
  for (std::size_t i = 1; i < names.size(); ++i) providerList.AddItem(names[i]);

  const std::string current = aan.RegGetString(platform::kHkeyCurrentUser, kRemoteAccessKey, kInternetProfileValue);
  const int last = providerList.ListCount() - 1;
  for (int index = 0; index <= last; ++index) {
    if (platform::EqualsNoCase(providerList.List(index), current)) {
      providerList.SetListIndex(index);
      break;
    }
  }

  schedule.RebuildSchedule();
}

}  // namespace tarvio::dialup
