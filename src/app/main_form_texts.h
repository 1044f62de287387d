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
// one of them: Windows 2000 and XP refuse it to an account without administrator rights,
// Vista and later to every Tarvio not started "as administrator" (98 and ME never do).
// Plain quotes: the text goes through the ANSI code page, which may lack typographic ones.
inline const std::string kHangUpRefusedText =
    "Die Zeit bis zum Auflegen konnte nicht gespeichert werden: Sie gilt für alle Benutzer dieses "
    "Computers, deshalb darf nur ein Administrator sie ändern.\r\r"
    "So stellen Sie sie ein: Tarvio mit \"Ende\" beenden, einmal mit \"Als Administrator ausführen\" "
    "starten (unter Windows 2000 und XP: \"Ausführen als...\" mit einem Administratorkonto), die Zeit "
    "wählen, Tarvio wieder beenden und danach wie gewohnt starten.\r\r"
    "Angezeigt wird wieder die gespeicherte Zeit.";

}  // namespace tarvio::app
