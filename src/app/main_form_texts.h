#pragma once
// The main window's own message texts. Line breaks are single carriage returns.
#include <string>

#include "platform/product.h"

namespace tarvio::app {

inline const std::string kAlreadyRunningText = std::string(platform::kProductName) + " wird bereits ausgeführt.";

inline const std::string kExitQuestionText =
    std::string("Wenn Sie ") + platform::kProductName +
    " jetzt beenden, können Ihre Internetverbindungen nicht mehr überwacht werden!\r\rSoll " + platform::kProductName +
    " wirklich beendet werden?";

}  // namespace tarvio::app
