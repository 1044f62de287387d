#pragma once
// The order in which a form's controls are created, which Windows keeps as their z-order.
#include <vector>

#include "platform/form.h"

namespace tarvio::platform::win32 {

// The controls that can take the focus in tab order: the dialog keyboard walks the z-order
// for Tab. Every other control goes right before the first of them that follows it in the
// table, so that a label stands right before the control it names, and a frame right
// before the first control it holds: the accessibility layer names a list after the
// static text or frame just before it in z-order. Neither takes the focus, so neither
// changes the tab order.
std::vector<const ControlSpec*> CreationOrder(const std::vector<ControlSpec>& controls);

}  // namespace tarvio::platform::win32
