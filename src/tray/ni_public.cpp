#include "tray/ni_public.h"

namespace tarvio::tray {

void NI_Public::TrayIconClicked(std::uintptr_t /*iconId*/) {
  if (ShowMainWindow_) ShowMainWindow_();
}

}  // namespace tarvio::tray
