#pragma once
// A Windows drop-down list or list box that mirrors a ListControl. The control never
// sorts by itself: the ListControl decides every item's place.
#include <cstdint>

#include "platform/list_control.h"

namespace tarvio::platform::win32 {

class FormListView final : public ListView {
 public:
  FormListView(std::uintptr_t control, bool dropDown) : control_(control), dropDown_(dropDown) {}
  void ItemInserted(int index, const std::string& text) override;
  void ItemsCleared() override;
  void SelectionShown(int index) override;
  // The index the user picked in the control, -1 for none.
  int ControlSelection() const;

 private:
  std::uintptr_t control_;
  bool dropDown_;
};

}  // namespace tarvio::platform::win32
