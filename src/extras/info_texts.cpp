#include "extras/info_texts.h"

#include "platform/product.h"

#ifndef TARVIO_SUPPORT_EMAIL
#define TARVIO_SUPPORT_EMAIL "support@tarvio.example"
#endif
#ifndef TARVIO_NEWS_HOST
#define TARVIO_NEWS_HOST "www.tarvio.example"
#endif

namespace tarvio::extras {
namespace {

constexpr const char* kSlogan = "der passende Tarif zur richtigen Stunde";
constexpr const char* kAboutText =
    "Tarvio stellt nach Ihrem Wochenplan in \"Provider.INI\" ganz von selbst die DFÜ-Verbindung "
    "ein, die gerade am günstigsten ist, und legt die Leerlaufzeit bis zum Auflegen fest. "
    "Es wählt nie selbst und arbeitet still im Infobereich der Taskleiste.\r\r"
    "Ein Klick auf das Symbol dort zeigt das Hauptfenster; die Hilfe erklärt den Wochenplan.";

}  // namespace

// The news page with its scheme: without one, ShellExecute first looks for a file of that
// name (current folder, PATH, App Paths). http, not https: the browsers of Windows 98 to
// XP speak no TLS that today's servers accept, and a server sends newer ones on to https.
InfoEndpoints BuildEndpoints() {
  return {TARVIO_SUPPORT_EMAIL, std::string("http://") + TARVIO_NEWS_HOST + "/new.htm"};
}

std::string MailToolTip(const InfoEndpoints& endpoints) {
  return "... startet Ihr E-Mail-Programm für eine Nachricht an mich unter ''" + endpoints.supportEmail + "''";
}

std::string NewsToolTip(const InfoEndpoints& endpoints) {
  return "... startet Ihren Internet-Browser mit dem Ziel " + endpoints.newsPage;
}

std::string MailDocument(const InfoEndpoints& endpoints, const std::string& versionSuffix) {
  return "mailto:" + endpoints.supportEmail + "?subject=" + platform::kProductName + versionSuffix;
}

std::string InfoLabelText(const std::string& versionSuffix) {
  return std::string(platform::kProductName) + " – " + kSlogan + versionSuffix + "\r\r" + kAboutText;
}

}  // namespace tarvio::extras
