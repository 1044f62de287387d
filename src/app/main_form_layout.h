#pragma once
// The main window's frames, controls, captions and geometry, as one table.
#include "platform/form.h"

namespace tarvio::app {

platform::FormSpec MainFormLayout();

}  // namespace tarvio::app
