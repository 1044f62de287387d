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

// The font mapper gives the nearest font for any name; whether the system has the face
// shows only in the face it chose.
bool HasFace(HFONT font, const char* face) {
  const ScopedScreenDC screen;
  if (screen.Get() == nullptr || font == nullptr) return false;
  const HGDIOBJ previous = SelectObject(screen.Get(), font);
  char chosen[LF_FACESIZE] = {};
  const int length = GetTextFaceA(screen.Get(), LF_FACESIZE, chosen);
  SelectObject(screen.Get(), previous);
  return length > 0 && lstrcmpiA(chosen, face) == 0;
}

}  // namespace

ScopedFont CreateLayoutFont(int dpiY) {
  for (const char* face : {"Microsoft Sans Serif", "MS Sans Serif"}) {
    ScopedFont font(CreateFace(face, MulDiv(kLayoutPoints, dpiY, 72)));
    if (HasFace(font.Get(), face)) return font;
  }
  LOGFONTA dialogFont{};
  if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof dialogFont, &dialogFont) == 0) return ScopedFont();
  return ScopedFont(CreateFontIndirectA(&dialogFont));
}

ScopedFont CreateNamedFont(const std::string& face, double points, int dpiY) {
  return ScopedFont(CreateFace(ToAnsi(face).c_str(), static_cast<int>(points * dpiY / 72.0 + 0.5)));
}

}  // namespace tarvio::platform::win32
