/* Identifiers of the resources built into the program file, for the resource script
   (which understands only macros) and the code alike. */
#pragma once

#define IDI_TARVIO 1       /* 32 x 32 and 16 x 16, 16 colours */
#define IDI_INFO 2         /* the info dialog's window icon */
#define IDR_INFO_PICTURE 3 /* the info dialog's picture (BITMAP) */
/* Button images, kept with the buttons' definitions though plain text buttons never show them. */
#define IDI_BUTTON_LISTS 10 /* "&Listen aktualisieren", "&Listen bearbeiten", "&Hilfe" */
#define IDI_BUTTON_LEAVE 11 /* "&Ende", "&Info" */
#define IDI_BUTTON_HIDE 12  /* "&Ausblenden", 32 x 32 only */

#ifndef RC_INVOKED
namespace tarvio::platform {

inline constexpr int kProgramIconId = IDI_TARVIO;
inline constexpr int kInfoIconId = IDI_INFO;
inline constexpr int kInfoPictureId = IDR_INFO_PICTURE;

}  // namespace tarvio::platform
#endif
