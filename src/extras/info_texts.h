#pragma once
// The texts of the info dialog that depend on the version and on the maker's addresses.
#include <string>

namespace tarvio::extras {

// The maker's support mail address and news page ("http://", host name, "/new.htm").
struct InfoEndpoints {
  std::string supportEmail;
  std::string newsPage;
};

// The addresses this build was configured with.
InfoEndpoints BuildEndpoints();

std::string MailToolTip(const InfoEndpoints& endpoints);
std::string NewsToolTip(const InfoEndpoints& endpoints);
// "mailto:" address "?subject=Tarvio (V1.0.203)": the subject goes unencoded.
std::string MailDocument(const InfoEndpoints& endpoints, const std::string& versionSuffix);
// First line (product, slogan, version), two carriage returns, the about-text.
std::string InfoLabelText(const std::string& versionSuffix);

}  // namespace tarvio::extras
