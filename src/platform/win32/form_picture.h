#pragma once
// A picture box's picture: a device-independent bitmap among the program's resources,
// drawn by GDI straight from the program file's mapped image. Nothing is decoded, copied
// or kept: a closed window leaves nothing behind.
#include <windows.h>

#include <optional>

namespace tarvio::platform::win32 {

struct DibPicture {
  const BITMAPINFO* info;  // header and colour table
  const void* bits;
  int colours;  // entries of the colour table
};

// The BITMAP resource; none when it is missing or not an uncompressed bitmap of 1, 4 or
// 8 bits a pixel that lies whole within the resource.
std::optional<DibPicture> FindBitmapResource(int resource);

// Draws the picture stretched over an owner-drawn control.
void DrawPicture(const DibPicture& picture, const DRAWITEMSTRUCT& item);

}  // namespace tarvio::platform::win32
