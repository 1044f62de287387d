#include "tray/ni_private.h"

#include <algorithm>

#include "tray/ni_public.h"

namespace tarvio::tray {

void NI_Private::HookWindow(platform::WindowHandle window) {
  if (hooked_) return;
  HookedWindow_ = window;
  PrevWndProc_ = hook_.SetWindowProcedure(window, hook_.SinkProcedure(*this));
  hooked_ = true;
  // Asked once the window exists; a restarted Explorer broadcasts it to top-level windows.
  taskbarCreated_ = notifyIcon_.TaskbarCreatedMessage();
}

void NI_Private::UnhookWindow() {
  hook_.SetWindowProcedure(HookedWindow_, PrevWndProc_);
  hooked_ = false;
}

bool NI_Private::NotifyIconCall(platform::NotifyRequest request, std::uint32_t iconId, platform::IconHandle icon,
                                const std::string& tip) {
  return notifyIcon_.Notify(request, HookedWindow_, iconId, icon, tip);
}

void NI_Private::AddTrayIcon(std::uint32_t iconId, platform::IconHandle icon, const std::string& tip) {
  std::erase_if(shown_, [iconId](const ShownIcon& shown) { return shown.id == iconId; });
  shown_.push_back({iconId, icon, tip, {}});
  Add(shown_.back());
}

void NI_Private::Add(ShownIcon& shown) {
  shown.there = NotifyIconCall(platform::NotifyRequest::Add, shown.id, shown.icon, shown.tip);
  if (!shown.there) RetryLater();
}

void NI_Private::RetryLater() {
  // Refused: the next turn of the clock asks again.
  retryInterval_ = turnsToRetry_ = 1;
}

void NI_Private::ChangeTrayTip(std::uint32_t iconId, const std::string& tip) {
  for (ShownIcon& shown : shown_) {
    if (shown.id != iconId || shown.tip == tip) continue;
    shown.tip = tip;
    if (!shown.there) continue;
    // The retry's add is then refused, and its modify carries the tip.
    shown.there = NotifyIconCall(platform::NotifyRequest::Modify, shown.id, shown.icon, shown.tip);
    if (!shown.there) RetryLater();
  }
}

void NI_Private::RetryRefusedIcons() {
  if (--turnsToRetry_ > 0) return;
  for (ShownIcon& shown : shown_) {
    if (shown.there) continue;
    // An add that timed out may still have been carried out later: then the icon is
    // there, a new add is refused, and only a modify tells.
    shown.there = NotifyIconCall(platform::NotifyRequest::Add, shown.id, shown.icon, shown.tip) ||
                  NotifyIconCall(platform::NotifyRequest::Modify, shown.id, shown.icon, shown.tip);
  }
  // Each request to a taskbar that does not answer costs the program its wait: while the
  // shell refuses, every retry waits twice as many turns as the one before, up to ten.
  retryInterval_ = std::min(retryInterval_ * 2, kLongestRetryInterval);
  turnsToRetry_ = retryInterval_;
}

void NI_Private::RemoveTrayIcon(std::uint32_t iconId) {
  NotifyIconCall(platform::NotifyRequest::Delete, iconId, kDeleteRequestIcon, "");
  std::erase_if(shown_, [iconId](const ShownIcon& shown) { return shown.id == iconId; });
}

void NI_Private::ReAddIcons() {
  for (ShownIcon& shown : shown_) Add(shown);
}

std::intptr_t NI_Private::TrayWindowProc(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                         std::intptr_t lParam) {
  if (message == platform::kTrayCallbackMessage) {
    if (lParam == kWmLButtonDown || lParam == kWmLButtonDblClk || lParam == kWmRButtonDown ||
        lParam == kWmRButtonDblClk) {
      reaction_.TrayIconClicked(wParam);
    }
    return 0;
  }
  // A new taskbar has no icons: the ones still wanted go back in. 0 means the message
  // could not be registered; it is WM_NULL and must not count.
  if (taskbarCreated_ != 0 && message == taskbarCreated_) ReAddIcons();
  return hook_.CallWindowProcedure(PrevWndProc_, window, message, wParam, lParam);
}

}  // namespace tarvio::tray
