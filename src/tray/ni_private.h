#pragma once
// NI_Private: the tray icon and the hook on the window that receives its messages.
// The hooked window's procedure is replaced by TrayWindowProc, which takes the icon's
// callback message and hands every other message to the procedure that was there before.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/notify_icon.h"
#include "platform/window_hook.h"

namespace tarvio::tray {

class NI_Public;

// The delete request names icon handle 1, which is no icon: the shell ignores it.
inline constexpr platform::IconHandle kDeleteRequestIcon = 1;

// The most turns of the clock a refused icon waits between two retries: about a minute.
inline constexpr int kLongestRetryInterval = 10;

// Mouse messages over the icon (lParam of the callback message) that show the main window.
inline constexpr std::intptr_t kWmLButtonDown = 513;
inline constexpr std::intptr_t kWmLButtonDblClk = 515;
inline constexpr std::intptr_t kWmRButtonDown = 516;
inline constexpr std::intptr_t kWmRButtonDblClk = 518;

class NI_Private final : public platform::WindowMessageSink {
 public:
  NI_Private(platform::NotifyIcon& notifyIcon, platform::WindowHook& hook, NI_Public& reaction)
      : notifyIcon_(notifyIcon), hook_(hook), reaction_(reaction) {}

  // Hooking a window that is hooked already does nothing: the hook would otherwise save
  // itself as the previous procedure and call itself without end.
  void HookWindow(platform::WindowHandle window);
  // Puts the saved procedure back; HookedWindow and PrevWndProc keep their values.
  void UnhookWindow();

  // Every request names HookedWindow as the receiver of the icon's messages. False when
  // the shell refused it or did not answer in time.
  bool NotifyIconCall(platform::NotifyRequest request, std::uint32_t iconId, platform::IconHandle icon,
                      const std::string& tip);
  void AddTrayIcon(std::uint32_t iconId, platform::IconHandle icon, const std::string& tip);
  void RemoveTrayIcon(std::uint32_t iconId);
  // A new tip for an icon that was added and not removed. Only a tip that differs from
  // the one it has goes to the shell; a change the shell refuses is asked for again at the
  // clock's turns, as a refused add is, and an icon that is not there yet gets it with its add.
  void ChangeTrayTip(std::uint32_t iconId, const std::string& tip);
  // The clock's turn: an icon whose add the shell dropped is asked for again, until it is
  // there. Explorer gives an add a few seconds and drops it while it is busy, as it is at
  // logon, when an autostart runs: without the icon nobody could reach the program. The
  // first retry comes at the next turn, later ones after 2, 4, 8 and then every 10 turns,
  // so a taskbar that is slow for minutes is asked about once a minute; one that is made
  // anew announces itself ("TaskbarCreated") and gets the icon at once.
  void RetryRefusedIcons();

  std::intptr_t TrayWindowProc(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam);
  std::intptr_t WindowMessage(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override {
    return TrayWindowProc(window, message, wParam, lParam);
  }

  platform::WindowHandle HookedWindow() const { return HookedWindow_; }
  platform::WindowProcedure PrevWndProc() const { return PrevWndProc_; }

 private:
  struct ShownIcon {
    std::uint32_t id;
    platform::IconHandle icon;
    std::string tip;
    bool there;  // the shell took the add
  };

  void ReAddIcons();
  void Add(ShownIcon& shown);
  void RetryLater();

  platform::NotifyIcon& notifyIcon_;
  platform::WindowHook& hook_;
  NI_Public& reaction_;
  platform::WindowHandle HookedWindow_{};
  platform::WindowProcedure PrevWndProc_{};
  bool hooked_ = false;
  std::uint32_t taskbarCreated_{};
  std::vector<ShownIcon> shown_;  // icons added and not removed, for a taskbar created anew
  int retryInterval_{};           // turns between two retries while the shell refuses
  int turnsToRetry_{};            // turns until the next one
};

}  // namespace tarvio::tray
