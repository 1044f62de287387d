#include "platform/win32/form_picture.h"

#include <cstdlib>

#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {
namespace {

// Rows of a device-independent bitmap start on 4-byte boundaries.
DWORD RowBytes(const BITMAPINFOHEADER& header) {
  return ((static_cast<DWORD>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
}

// A palette of the picture's own colours. On a display of 256 colours GDI otherwise maps
// each colour to the nearest of the 20 that Windows reserves, and the picture's blues and
// greys run together.
ScopedPalette PaletteOf(const DibPicture& picture) {
  struct {
    WORD version;
    WORD entries;
    PALETTEENTRY colour[256];
  } logical{0x300, static_cast<WORD>(picture.colours), {}};
  for (int i = 0; i < picture.colours; ++i) {
    const RGBQUAD& c = picture.info->bmiColors[i];
    logical.colour[i] = PALETTEENTRY{c.rgbRed, c.rgbGreen, c.rgbBlue, 0};
  }
  return ScopedPalette(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&logical)));
}

}  // namespace

std::optional<DibPicture> FindBitmapResource(int resource) {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  const DWORD size = found != nullptr ? SizeofResource(nullptr, found) : 0;
  HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
  const auto* header = static_cast<const BITMAPINFOHEADER*>(loaded != nullptr ? LockResource(loaded) : nullptr);
  if (header == nullptr || size < sizeof(BITMAPINFOHEADER) || header->biSize < sizeof(BITMAPINFOHEADER) ||
      header->biSize > size || header->biPlanes != 1 || header->biCompression != BI_RGB || header->biWidth <= 0 ||
      header->biWidth > 0x7FFF || header->biHeight == 0 || std::abs(header->biHeight) > 0x7FFF) {
    return std::nullopt;
  }
  const WORD bits = header->biBitCount;
  if (bits != 1 && bits != 4 && bits != 8) return std::nullopt;
  const DWORD maxColours = 1u << bits;
  const DWORD colours = header->biClrUsed != 0 ? header->biClrUsed : maxColours;
  if (colours > maxColours) return std::nullopt;
  const DWORD table = header->biSize + colours * static_cast<DWORD>(sizeof(RGBQUAD));
  const DWORD pixels = RowBytes(*header) * static_cast<DWORD>(std::abs(header->biHeight));
  if (table > size || pixels > size - table) return std::nullopt;
  return DibPicture{reinterpret_cast<const BITMAPINFO*>(header), reinterpret_cast<const BYTE*>(header) + table,
                    static_cast<int>(colours)};
}

void DrawPicture(const DibPicture& picture, const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const BITMAPINFOHEADER& header = picture.info->bmiHeader;
  const bool paletted = (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
  // Deleted after the DC has its own palette back.
  const ScopedPalette palette = paletted ? PaletteOf(picture) : ScopedPalette();
  const int saved = SaveDC(dc);
  // In the background: the window that has the focus keeps the colours it chose.
  if (palette && SelectPalette(dc, palette.Get(), TRUE) != nullptr) RealizePalette(dc);
  // Above 96 dpi the picture is enlarged: HALFTONE averages where the display has no
  // palette and Windows knows the mode (98 and ME do not: the call fails, and pixels are
  // repeated instead). HALFTONE wants the brush origin set.
  if (paletted || SetStretchBltMode(dc, HALFTONE) == 0) SetStretchBltMode(dc, COLORONCOLOR);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, header.biWidth, std::abs(header.biHeight),
                picture.bits, picture.info, DIB_RGB_COLORS, SRCCOPY);
  if (saved != 0) RestoreDC(dc, saved);
}

}  // namespace tarvio::platform::win32
