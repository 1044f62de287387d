#pragma once
// Where Windows keeps the values this program reads and writes.
#include "platform/registry.h"

namespace tarvio::dialup {

inline constexpr platform::RegistryRoot kUser = platform::RegistryRoot::CurrentUser;
inline constexpr platform::RegistryRoot kMachine = platform::RegistryRoot::LocalMachine;

// Per user, Windows 95 to 2000: the dial-up entries and the default connection.
inline constexpr const char* kRemoteAccessKey = "remoteaccess";
inline constexpr const char* kProfilesKey = "remoteaccess\\Profile";
inline constexpr const char* kInternetProfileValue = "InternetProfile";
inline constexpr const char* kDefaultValue = "Default";

// From Windows XP on the default Internet connection lives here, per user with the same
// key per machine as the fallback; the entries themselves are in the phonebooks.
inline constexpr const char* kAutodialDefaultKey = "Software\\Microsoft\\RAS Autodial\\Default";
inline constexpr const char* kDefaultInternetValue = "DefaultInternet";

// Per machine: the idle hang-up time of the shared connection.
inline constexpr const char* kIcsGeneralKey = "System\\CurrentControlSet\\Services\\ICSharing\\Settings\\General";
inline constexpr const char* kHangupTimerValue = "HangupTimer";

}  // namespace tarvio::dialup
