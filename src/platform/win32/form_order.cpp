#include "platform/win32/form_order.h"

#include <algorithm>

namespace tarvio::platform::win32 {
namespace {

bool TakesFocusInItsTurn(const ControlSpec& control) {
  const bool focusKind = control.kind == ControlKind::Button || control.kind == ControlKind::DropDownList ||
                         control.kind == ControlKind::ListBox;
  return focusKind && control.tabIndex >= 0;
}

}  // namespace

std::vector<const ControlSpec*> CreationOrder(const std::vector<ControlSpec>& controls) {
  std::vector<const ControlSpec*> order;
  for (const ControlSpec& control : controls) {
    if (TakesFocusInItsTurn(control)) order.push_back(&control);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
  // Labels and the rest before the next control of the table that has a turn.
  for (auto it = controls.begin(); it != controls.end(); ++it) {
    if (TakesFocusInItsTurn(*it) || it->kind == ControlKind::Frame) continue;
    const auto next = std::find_if(it + 1, controls.end(), TakesFocusInItsTurn);
    order.insert(next == controls.end() ? order.end() : std::find(order.begin(), order.end(), &*next), &*it);
  }
  // Frames before the first control they hold.
  for (const ControlSpec& frame : controls) {
    if (frame.kind != ControlKind::Frame) continue;
    const auto held =
        std::find_if(order.begin(), order.end(), [&](const ControlSpec* c) { return c->parent == frame.id; });
    order.insert(held, &frame);
  }
  return order;
}

}  // namespace tarvio::platform::win32
