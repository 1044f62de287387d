#include "platform/win32/form_font.h"

#include <windows.h>

#include "platform/win32/ansi.h"

namespace tarvio::platform::win32 {
namespace {

constexpr int kLayoutPoints = 8;

HFONT CreateFace(const char* face, int pixelHeight) {
  // A negative height asks for the character height, as a point size means it.
  return CreateFontA(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

// Whether the system has a font of that face. Asked of the font list rather than by
// realizing the font: the mapper would stand the nearest font in for a missing face, and
// Wine loads that font's file into the process for the rest of the run.
int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}
bool HasFace(const char* face) {
  const ScopedScreenDC screen;
  bool found = false;
  if (screen.Get() != nullptr) EnumFontFamiliesA(screen.Get(), face, NoteFace, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

ScopedFont CreateLayoutFont(int dpiY) {
  for (const char* face : {"Microsoft Sans Serif", "MS Sans Serif"}) {
    if (HasFace(face)) return ScopedFont(CreateFace(face, MulDiv(kLayoutPoints, dpiY, 72)));
  }
  LOGFONTA dialogFont{};
  if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof dialogFont, &dialogFont) == 0) return ScopedFont();
  return ScopedFont(CreateFontIndirectA(&dialogFont));
}

ScopedFont CreateNamedFont(const std::string& face, double points, int dpiY) {
  return ScopedFont(CreateFace(ToAnsi(face).c_str(), static_cast<int>(points * dpiY / 72.0 + 0.5)));
}

}  // namespace tarvio::platform::win32
