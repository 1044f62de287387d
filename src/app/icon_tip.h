#pragma once
// The tip of the notification-area icon: what a hidden tray program shows without being
// opened, so it tells what is due, "Tarvio: Tagtarif, ab 18:00 Abendtarif".
#include <string>

#include "platform/clock.h"
#include "schedule/plan_table.h"

namespace tarvio::platform {
class ListControl;
}

namespace tarvio::app {

// The product name, the selected connection and, where the plan changes it later, the
// time of that change (with the weekday when it is a day or more away) and the
// connection then due. Just the product name while no connection is selected or the
// plan names none.
std::string IconTip(const platform::ListControl& providerList, const schedule::PlanTable& plan,
                    const platform::LocalTime& now);

}  // namespace tarvio::app
