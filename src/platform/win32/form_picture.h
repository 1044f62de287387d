#pragma once
// A picture box's JPEG picture, kept as a resource of the program and decoded by OLE,
// which every Windows from 95 on has.
#include <windows.h>
#include <ocidl.h>

#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {

// The picture of an RCDATA resource; none when it is missing or cannot be decoded.
ScopedComPtr<IPicture> LoadJpegResource(int resource);

// Draws the picture stretched over an owner-drawn control.
void DrawPicture(IPicture& picture, const DRAWITEMSTRUCT& item);

}  // namespace tarvio::platform::win32
