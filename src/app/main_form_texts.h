#pragma once
// The main window's own message texts. Line breaks are single carriage returns.
#include <string>

#include "extras/product.h"

namespace tarvio::app {

inline const std::string kAlreadyRunningText = std::string(extras::kProductName) + " wird bereits ausgeführt.";

inline const std::string kExitQuestionText =
    std::string("Wenn Sie ") + extras::kProductName +
    " jetzt beenden, können Ihre Internetverbindungen nicht mehr überwacht werden!\r\rSoll " +
    extras::kProductName + " wirklich beendet werden?";

}  // namespace tarvio::app
