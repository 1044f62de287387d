#include "platform/win32/form_controls.h"

#include <algorithm>
#include <string>

#include "platform/screen.h"
#include "platform/win32/ansi.h"

namespace tarvio::platform::win32 {
namespace {

// A drop-down list is created this much taller than its closed field: the room its
// list takes when it opens.
constexpr int kDropDownRows = 12;

struct WindowKind {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind KindOf(const ControlSpec& control) {
  const bool focusable = !control.disabled && control.tabIndex >= 0;
  const DWORD tabStop = focusable ? static_cast<DWORD>(WS_TABSTOP) : 0u;
  switch (control.kind) {
    case ControlKind::Frame:
      return {"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Label:
    case ControlKind::HiddenLabel:
      return {"STATIC", SS_LEFT, 0};
    case ControlKind::Button:
      // Long captions wrap onto a second line, as the taller buttons are meant for.
      return {"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | tabStop, 0};
    case ControlKind::DropDownList:
      return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | tabStop, 0};
    case ControlKind::ListBox:
      return {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | tabStop, WS_EX_CLIENTEDGE};
    case ControlKind::Picture:
      return {"STATIC", SS_OWNERDRAW, 0};
    case ControlKind::Line:
      return {"STATIC", SS_ETCHEDHORZ, 0};
  }
  return {"STATIC", 0, 0};
}

struct PixelRect {
  int x, y, width, height;
};

// The twips of the control, counted from its frames, in pixels at the DPI.
PixelRect PixelsOf(const ControlSpec& control, const std::vector<ControlSpec>& controls, ScreenDpi dpi) {
  int left = control.left;
  int top = control.top;
  for (int parent = control.parent; parent != 0;) {
    const auto found =
        std::find_if(controls.begin(), controls.end(), [parent](const ControlSpec& c) { return c.id == parent; });
    if (found == controls.end()) break;
    left += found->left;
    top += found->top;
    parent = found->parent;
  }
  const int x = TwipsToPixels(left, dpi.x);
  const int y = TwipsToPixels(top, dpi.y);
  int height = TwipsToPixels(top + control.height, dpi.y) - y;
  if (control.kind == ControlKind::Line) height = std::max(height, 2);
  return {x, y, TwipsToPixels(left + control.width, dpi.x) - x, height};
}

// A drop-down list's window holds its opened list too.
int WindowHeight(const ControlSpec& control, const PixelRect& rect) {
  return control.kind == ControlKind::DropDownList ? rect.height * kDropDownRows : rect.height;
}

// The closed field's height follows the font; set it so the control keeps the height of
// its layout.
void FitClosedField(HWND window, const ControlSpec& control, int height) {
  if (control.kind != ControlKind::DropDownList) return;
  RECT rect{};
  GetWindowRect(window, &rect);
  const LRESULT item = SendMessageA(window, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  const int shown = rect.bottom - rect.top;
  if (item > 0 && shown != height)
    SendMessageA(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item + height - shown);
}

}  // namespace

HWND CreateFormControl(HWND form, const ControlSpec& control, const std::vector<ControlSpec>& controls, ScreenDpi dpi,
                       HFONT font) {
  const PixelRect rect = PixelsOf(control, controls, dpi);
  const WindowKind kind = KindOf(control);
  // A hidden label is never shown: the accessibility layer reads it all the same.
  DWORD style = WS_CHILD | kind.style;
  if (control.kind != ControlKind::HiddenLabel) style |= WS_VISIBLE;
  if (control.disabled) style |= WS_DISABLED;
  const std::string caption = ToAnsi(control.caption);
  HWND window = CreateWindowExA(
      kind.exStyle, kind.className, caption.c_str(), style, rect.x, rect.y, rect.width, WindowHeight(control, rect),
      form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return nullptr;
  // Created last, placed last: keep the creation order as the z-order. Placed once more:
  // an etched line makes itself wider as it is created (Wine's, at least).
  SetWindowPos(window, HWND_BOTTOM, rect.x, rect.y, rect.width, WindowHeight(control, rect), SWP_NOACTIVATE);
  if (font != nullptr) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  FitClosedField(window, control, rect.height);
  return window;
}

void PlaceFormControl(HWND window, const ControlSpec& control, const std::vector<ControlSpec>& controls, ScreenDpi dpi,
                      HFONT font) {
  const PixelRect rect = PixelsOf(control, controls, dpi);
  if (font != nullptr) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SetWindowPos(window, nullptr, rect.x, rect.y, rect.width, WindowHeight(control, rect), SWP_NOZORDER | SWP_NOACTIVATE);
  FitClosedField(window, control, rect.height);
}

}  // namespace tarvio::platform::win32
