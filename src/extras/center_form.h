#pragma once
// Where a dialog goes on the screen: centred, or the top left corner on small screens.
#include "platform/screen.h"

namespace tarvio::platform {
class Form;
}

namespace tarvio::extras {

// Half the free room, in twips: the difference rounded to a whole number (halves to the
// even neighbour), then halved with the fraction dropped toward zero.
int CenterOffset(double screenTwips, double formTwips);

// Moves the form (outer size) to the middle of the screen.
void CenterForm(platform::Form& form, const platform::ScreenMetrics& screen);

// True when the screen is at most 640 x 480 pixels (either side), where a dialog goes to
// the corner instead; also for metrics that give no pixel size at all.
bool IsSmallScreen(const platform::ScreenMetrics& screen);

// The corner on a small screen, else the middle.
void PlaceDialog(platform::Form& form, const platform::ScreenMetrics& screen);

}  // namespace tarvio::extras
