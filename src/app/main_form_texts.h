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

// A standard user may not change the machine's settings, and the idle hang-up time is
// one of them.
inline const std::string kHangUpRefusedText =
    "Die Zeit bis zum Auflegen konnte nicht gespeichert werden: Ihre Änderung erfordert "
    "Administratorrechte.\r\rAngezeigt wird wieder die gespeicherte Zeit.";

}  // namespace tarvio::app
