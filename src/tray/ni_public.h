#pragma once
// NI_Public: what the application does when the tray icon is clicked.
#include <cstdint>
#include <functional>
#include <utility>

namespace tarvio::tray {

class NI_Public {
 public:
  // showMainWindow shows the main window; a visible window stays visible.
  explicit NI_Public(std::function<void()> showMainWindow) : ShowMainWindow_(std::move(showMainWindow)) {}

  // The icon identifier is not needed: the program has one icon.
  void TrayIconClicked(std::uintptr_t iconId);

 private:
  std::function<void()> ShowMainWindow_;
};

}  // namespace tarvio::tray
