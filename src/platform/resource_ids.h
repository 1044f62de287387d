#pragma once
// Identifiers of the resources built into the program file (res/tarvio.rc). The
// resource script sees the same numbers through res/ids.h; the program checks at
// compile time that both agree.

namespace tarvio::platform {

inline constexpr int kProgramIconId = 1;   // 32 x 32 and 16 x 16, 16 colours
inline constexpr int kInfoIconId = 2;      // the info dialog's window icon
inline constexpr int kInfoPictureId = 3;   // the info dialog's JPEG picture (RCDATA)
// Button images, kept with the buttons' definitions though plain text buttons never show them.
inline constexpr int kButtonIconListsId = 10;  // "&Listen aktualisieren", "&Listen bearbeiten", "&Hilfe"
inline constexpr int kButtonIconLeaveId = 11;  // "&Ende", "&Info"
inline constexpr int kButtonIconHideId = 12;   // "&Ausblenden", 32 x 32 only

}  // namespace tarvio::platform
