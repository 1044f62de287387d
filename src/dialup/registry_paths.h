#pragma once
// Where Windows keeps the values this program reads and writes.

namespace tarvio::dialup {

// Per user (HKEY_CURRENT_USER): the dial-up entries and the default connection.
inline constexpr const char* kRemoteAccessKey = "remoteaccess";
inline constexpr const char* kProfilesKey = "remoteaccess\\Profile";
inline constexpr const char* kInternetProfileValue = "InternetProfile";
inline constexpr const char* kDefaultValue = "Default";

// Per machine (HKEY_LOCAL_MACHINE): the idle hang-up time of the shared connection.
inline constexpr const char* kIcsGeneralKey = "System\\CurrentControlSet\\Services\\ICSharing\\Settings\\General";
inline constexpr const char* kHangupTimerValue = "HangupTimer";

}  // namespace tarvio::dialup
