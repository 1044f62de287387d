#include "platform/win32/form_tool_tips.h"

#include <commctrl.h>

#include <cstddef>

#include "platform/win32/ansi.h"
#include "platform/win32/win32_screen.h"

namespace tarvio::platform::win32 {
namespace {

constexpr int kMaxTipWidth = 400;  // pixels at 96 dpi

// A tool tip's own font is the status font of the non-client metrics, made for the screen's
// DPI. The record is asked for in its size before Vista, which every Windows accepts.
ScopedFont StatusFontFor(int dpi) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof metrics.lfMessageFont;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return ScopedFont();
  metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, dpi, QueryScreenDpi().y);
  return ScopedFont(CreateFontIndirectA(&metrics.lfStatusFont));
}

}  // namespace

void FormToolTips::Set(HWND form, HWND control, const std::string& text) {
  if (form == nullptr || control == nullptr) return;
  if (window_ == nullptr) {
    window_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) return;
    ApplyScale();
  }
  std::string ansi = ToAnsi(text);
  TTTOOLINFOA tool{};
  // The first form of the record: common controls of every version accept it.
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = form;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = ansi.data();
  SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormToolTips::ScaleTo(int dpi) {
  dpi_ = dpi;
  ApplyScale();
}

void FormToolTips::ApplyScale() {
  if (window_ == nullptr) return;
  const int dpi = dpi_ != 0 ? dpi_ : QueryScreenDpi().y;
  SendMessageA(window_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kMaxTipWidth, dpi, 96));
  ScopedFont font = StatusFontFor(dpi);
  if (!font) return;
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
  font_ = std::move(font);
}

}  // namespace tarvio::platform::win32
