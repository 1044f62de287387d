#pragma once
// The info dialog's window: controls, geometry in twips, design-time texts.
#include "platform/form.h"

namespace tarvio::extras {

// Control ids; a button's id is InfoButtonId of its index in Btn.
inline constexpr int kInfoPictureId = 1;
inline constexpr int kInfoLabelId = 2;
inline constexpr int kInfoLineId = 3;
inline constexpr int kInfoButtonBase = 10;
inline constexpr int kInfoMailButton = 0;
inline constexpr int kInfoNewsButton = 1;
inline constexpr int kInfoCloseButton = 3;
constexpr int InfoButtonId(int index) { return kInfoButtonBase + index; }

platform::FormSpec InfoFormLayout();

}  // namespace tarvio::extras
