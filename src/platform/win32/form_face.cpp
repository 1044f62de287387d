#include "platform/win32/form_face.h"

#include <string>

namespace tarvio::platform::win32 {
namespace {

// The push button's 3-D border and the margin of its text.
constexpr int kCaptionInset = 3;
constexpr UINT kCaptionFormat = DT_WORDBREAK | DT_CENTER;

// The room the caption takes when broken into lines no wider than width.
RECT Needed(HDC dc, const std::string& text, int width) {
  RECT needed{0, 0, width, 0};
  DrawTextA(dc, text.c_str(), -1, &needed, kCaptionFormat | DT_CALCRECT);
  return needed;
}

}  // namespace

LRESULT PaintOnFace(HDC dc) {
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT DrawButtonCaption(const NMCUSTOMDRAW& draw) {
  HWND button = draw.hdr.hwndFrom;
  if (draw.dwDrawStage != CDDS_PREPAINT || (GetWindowLongA(button, GWL_STYLE) & BS_MULTILINE) == 0) {
    return CDRF_DODEFAULT;
  }
  std::string text(static_cast<std::size_t>(SendMessageA(button, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(button, text.data(), static_cast<int>(text.size()))));
  RECT area = draw.rc;
  InflateRect(&area, -kCaptionInset, -kCaptionInset);
  const HGDIOBJ previous = SelectObject(draw.hdc, reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)));
  const RECT needed = Needed(draw.hdc, text, area.right - area.left);
  const int height = needed.bottom;
  if (Needed(draw.hdc, text, needed.right - needed.left).bottom == height) {
    SelectObject(draw.hdc, previous);
    return CDRF_DODEFAULT;
  }
  const auto cues = static_cast<DWORD>(SendMessageA(button, WM_QUERYUISTATE, 0, 0));
  RECT caption = area;
  caption.top += (area.bottom - area.top - height) / 2;
  caption.bottom = caption.top + height;
  if ((draw.uItemState & CDIS_SELECTED) != 0) OffsetRect(&caption, 1, 1);
  SetBkMode(draw.hdc, TRANSPARENT);
  SetTextColor(draw.hdc, GetSysColor((draw.uItemState & CDIS_DISABLED) != 0 ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextA(draw.hdc, text.c_str(), -1, &caption, kCaptionFormat | ((cues & UISF_HIDEACCEL) != 0 ? DT_HIDEPREFIX : 0));
  if ((draw.uItemState & CDIS_FOCUS) != 0 && (cues & UISF_HIDEFOCUS) == 0) {
    RECT focus = draw.rc;
    InflateRect(&focus, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    DrawFocusRect(draw.hdc, &focus);
  }
  SelectObject(draw.hdc, previous);
  return CDRF_SKIPDEFAULT;
}

}  // namespace tarvio::platform::win32
