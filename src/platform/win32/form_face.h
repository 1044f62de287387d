#pragma once
// How the controls stand on the form's face: the face colour behind labels, frames and
// buttons, and the captions of buttons that the system's own drawing would cut.
#include <windows.h>
#include <commctrl.h>

namespace tarvio::platform::win32 {

// The answer to WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: the face colour, as in a dialog;
// a plain window's default answer is the white of edit fields.
LRESULT PaintOnFace(HDC dc);

// The answer to a button's NM_CUSTOMDRAW (common controls 6). A button lays out its
// caption in the width the caption needs and draws it in exactly that width. Where the
// system's DrawText breaks a text in that width again (Wine's wants room for the blank
// after a line's last word), the caption is drawn here across the whole text area;
// everywhere else the button draws it itself.
LRESULT DrawButtonCaption(const NMCUSTOMDRAW& draw);

}  // namespace tarvio::platform::win32
