#include "platform/win32/form_window.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "platform/list_control.h"
#include "platform/screen.h"
#include "platform/win32/ansi.h"
#include "platform/win32/form_class.h"
#include "platform/win32/form_controls.h"
#include "platform/win32/form_dpi.h"
#include "platform/win32/form_face.h"
#include "platform/win32/form_font.h"
#include "platform/win32/form_list_view.h"
#include "platform/win32/form_order.h"
#include "platform/win32/form_picture.h"
#include "platform/win32/form_placement.h"
#include "platform/win32/form_tool_tips.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32_screen.h"

namespace tarvio::platform::win32 {

// What the window uses for its whole life, released once, when the window is gone: at its
// WM_NCDESTROY, the last message, after its controls and its owned tool tip window.
struct FormResources {
  ScopedFont defaultFont;
  std::map<int, ScopedFont> ownFonts;  // by control
  // At the session's sizes; the small one is also the notification area's.
  ScopedIcon bigIcon;
  ScopedIcon smallIcon;
  // The title bar's at another DPI than the session's.
  ScopedIcon scaledBigIcon;
  ScopedIcon scaledSmallIcon;
  std::vector<ScopedMenu> hiddenMenus;
  std::map<int, DibPicture> pictures;
  FormToolTips toolTips;
};

namespace {

constexpr UINT_PTR kTimerId = 1;
// Posted when a drop-down list lost the focus: its choice is stored once the focus has
// settled, since a message box shown while the focus moves would fight it.
constexpr UINT kStoreListChoicesMessage = WM_APP + 1;
// No WS_CLIPCHILDREN: group boxes paint only their border and caption, so the window's
// own background must reach the area inside them.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kFormExStyle = 0;
HWND Hwnd(std::uintptr_t handle) { return reinterpret_cast<HWND>(handle); }
std::uintptr_t HandleOf(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

}  // namespace

Win32Form::Win32Form(const FormSpec& spec, FormEvents& events, std::function<void()> onDestroyed)
    : spec_(spec), events_(events), resources_(std::make_unique<FormResources>()) {
  const ScreenDpi dpi = QueryScreenDpi();
  dpiX_ = dpi.x;
  dpiY_ = dpi.y;
  DWORD style = kFormStyle;
  if (spec_.minimizeBox) style |= WS_MINIMIZEBOX;
  RECT frame{0, 0, Pixels(spec_.clientWidth, true), Pixels(spec_.clientHeight, false)};
  AdjustWindowRectEx(&frame, style, FALSE, kFormExStyle);
  const std::string caption = ToAnsi(spec_.caption);
  HWND window = CreateWindowExA(kFormExStyle, kFormClassName, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                GetModuleHandleA(nullptr), this);
  if (window == nullptr) {
    // Refused (the desktop heap or the USER objects are used up): a form that never opened
    // never closes either.
    window_ = 0;
    return;
  }
  onDestroyed_ = std::move(onDestroyed);
  // Made on a monitor of another DPI than the session's (per-monitor awareness).
  dpiX_ = dpiY_ = WindowDpi(window, dpiY_);

  FitClientArea(window, Pixels(spec_.clientWidth, true), Pixels(spec_.clientHeight, false));

  if (spec_.icon != 0) {
    resources_->bigIcon = LoadFormIcon(GetSystemMetrics(SM_CXICON));
    resources_->smallIcon = LoadFormIcon(GetSystemMetrics(SM_CXSMICON));
    SetTitleBarIcons();
  }
  for (const HiddenMenuSpec& menu : spec_.hiddenMenus) {
    // Kept, never attached: a window whose only top-level menu is hidden has no menu bar.
    ScopedMenu popup(CreatePopupMenu());
    if (!popup) continue;
    UINT itemId = 1;
    for (const std::string& item : menu.items) AppendMenuA(popup.Get(), MF_STRING, itemId++, ToAnsi(item).c_str());
    resources_->hiddenMenus.push_back(std::move(popup));
  }
  CreateFonts();
  resources_->toolTips.ScaleTo(dpiY_);
  CreateControls();
  if (spec_.timerMilliseconds > 0) SetTimer(window, kTimerId, static_cast<UINT>(spec_.timerMilliseconds), nullptr);
}

Win32Form::~Win32Form() {
  // Destroying the object without an unload: no events any more, the window just goes.
  if (window_ != 0) {
    HWND window = Hwnd(window_);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
    Destroyed();
  }
  Released();
}

void Win32Form::Released() {
  for (auto& [id, list] : lists_) list->AttachView(nullptr);
  lists_.clear();
  views_.clear();
  controls_.clear();
  kinds_.clear();
  savedFocus_ = 0;
  resources_.reset();
}

int Win32Form::Pixels(int twips, bool horizontal) const { return TwipsToPixels(twips, horizontal ? dpiX_ : dpiY_); }

std::uintptr_t Win32Form::Control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? 0 : found->second;
}

ScopedIcon Win32Form::LoadFormIcon(int edge) const {
  return ScopedIcon(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(spec_.icon), IMAGE_ICON, edge, edge, 0)));
}

void Win32Form::SetTitleBarIcons() {
  HWND window = Hwnd(window_);
  const auto set = [&](WPARAM which, int metric, const ScopedIcon& session, ScopedIcon& scaled) {
    const int edge = SystemMetricForDpi(metric, dpiY_);
    ScopedIcon icon = edge != GetSystemMetrics(metric) ? LoadFormIcon(edge) : ScopedIcon();
    HICON shown = icon ? icon.Get() : session.Get();
    if (shown != nullptr) SendMessageA(window, WM_SETICON, which, reinterpret_cast<LPARAM>(shown));
    scaled = std::move(icon);  // the one shown before goes once the new one is in place
  };
  if (spec_.icon == 0) return;
  set(ICON_BIG, SM_CXICON, resources_->bigIcon, resources_->scaledBigIcon);
  set(ICON_SMALL, SM_CXSMICON, resources_->smallIcon, resources_->scaledSmallIcon);
}

void Win32Form::CreateFonts() {
  resources_->defaultFont = CreateLayoutFont(dpiY_);
  for (const ControlSpec& control : spec_.controls) {
    if (control.fontName.empty() || control.fontPoints <= 0) continue;
    if (ScopedFont own = CreateNamedFont(control.fontName, control.fontPoints, dpiY_)) {
      resources_->ownFonts[control.id] = std::move(own);
    }
  }
}

HFONT Win32Form::FontOf(const ControlSpec& control) const {
  const auto own = resources_->ownFonts.find(control.id);
  return own != resources_->ownFonts.end() ? own->second.Get() : resources_->defaultFont.Get();
}

void Win32Form::CreateControls() {
  for (const ControlSpec* control : CreationOrder(spec_.controls)) CreateControl(*control);
}

void Win32Form::CreateControl(const ControlSpec& control) {
  HWND window = CreateFormControl(Hwnd(window_), control, spec_.controls, {dpiX_, dpiY_}, FontOf(control));
  if (window == nullptr) return;
  if (control.kind == ControlKind::Picture && control.resource != 0) {
    if (const auto picture = FindBitmapResource(control.resource)) resources_->pictures[control.id] = *picture;
  }
  controls_[control.id] = HandleOf(window);
  kinds_[control.id] = control.kind;
  if (!control.toolTip.empty()) SetToolTip(control.id, control.toolTip);
}

IconHandle Win32Form::Icon() const {
  // The notification area shows small icons.
  if (!resources_) return 0;
  return reinterpret_cast<IconHandle>(resources_->smallIcon ? resources_->smallIcon.Get() : resources_->bigIcon.Get());
}

void Win32Form::SetCaption(const std::string& caption) {
  spec_.caption = caption;
  if (window_ != 0) SetWindowTextA(Hwnd(window_), ToAnsi(caption).c_str());
}

void Win32Form::SetControlText(int id, const std::string& text) {
  if (const std::uintptr_t control = Control(id)) SetWindowTextA(Hwnd(control), ToAnsi(text).c_str());
}

void Win32Form::SetToolTip(int id, const std::string& text) {
  if (window_ != 0) resources_->toolTips.Set(Hwnd(window_), Hwnd(Control(id)), text);
}

void Win32Form::AttachList(int id, ListControl& list) {
  const std::uintptr_t control = Control(id);
  const auto kind = kinds_.find(id);
  if (control == 0 || kind == kinds_.end()) return;
  auto view = std::make_unique<FormListView>(control, kind->second == ControlKind::DropDownList);
  list.AttachView(view.get());
  views_[id] = std::move(view);
  lists_[id] = &list;
}

void Win32Form::Show() {
  HWND window = Hwnd(window_);
  if (window == nullptr) return;
  // The scale may have changed while the window was hidden.
  ScaleTo(WindowDpi(window, dpiY_), nullptr);
  if (!shownOnce_) {
    shownOnce_ = true;
    if (!placed_) {
      placed_ = true;
      CenterOnScreen(window);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    if (const std::uintptr_t focus = Control(spec_.initialFocus)) {
      savedFocus_ = focus;
      SetFocus(Hwnd(focus));
    }
  } else {
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
  }
  // Focus rectangles and access keys shown when the user came by keyboard (Enter on the
  // icon), hidden after a click: Windows 2000 on decides by the last input, as for dialogs.
  SendMessageA(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
  SetForegroundWindow(window);
}

void Win32Form::Hide() {
  StoreListChoices();
  if (window_ != 0) ShowWindow(Hwnd(window_), SW_HIDE);
}

bool Win32Form::Visible() const { return window_ != 0 && IsWindowVisible(Hwnd(window_)) != FALSE; }

// The outer size and the place in the screen's twips, as Win32Screen measures the screen:
// with per-monitor awareness the window's own DPI may differ from the screen's.
int Win32Form::Width() const {
  RECT outer{};
  if (window_ == 0 || !GetWindowRect(Hwnd(window_), &outer)) return 0;
  return PixelsToTwips(outer.right - outer.left, QueryScreenDpi().x);
}

int Win32Form::Height() const {
  RECT outer{};
  if (window_ == 0 || !GetWindowRect(Hwnd(window_), &outer)) return 0;
  return PixelsToTwips(outer.bottom - outer.top, QueryScreenDpi().y);
}

void Win32Form::Move(int left, int top) {
  if (window_ == 0) return;
  placed_ = true;  // a form placed by its owner is not centred again
  const ScreenDpi screen = QueryScreenDpi();
  SetWindowPos(Hwnd(window_), nullptr, TwipsToPixels(left, screen.x), TwipsToPixels(top, screen.y), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::ScaleTo(int dpi, const RECT* suggested) {
  HWND window = Hwnd(window_);
  if (window == nullptr || dpi <= 0 || (dpi == dpiX_ && dpi == dpiY_ && suggested == nullptr)) return;
  dpiX_ = dpiY_ = dpi;
  // The controls take the new fonts before the old ones go.
  const ScopedFont previousDefault = std::move(resources_->defaultFont);
  const std::map<int, ScopedFont> previousOwn = std::move(resources_->ownFonts);
  resources_->ownFonts.clear();
  CreateFonts();
  if (suggested != nullptr) {
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FitClientArea(window, Pixels(spec_.clientWidth, true), Pixels(spec_.clientHeight, false));
  for (const ControlSpec& control : spec_.controls) {
    if (const std::uintptr_t item = Control(control.id)) {
      PlaceFormControl(Hwnd(item), control, spec_.controls, {dpiX_, dpiY_}, FontOf(control));
    }
  }
  SetTitleBarIcons();
  resources_->toolTips.ScaleTo(dpi);
  InvalidateRect(window, nullptr, TRUE);
}

void Win32Form::StoreListChoices() {
  std::vector<int> dropDowns;
  for (const auto& [id, kind] : kinds_) {
    if (kind == ControlKind::DropDownList) dropDowns.push_back(id);
  }
  // Looked up anew for each list: a handler may show a message box, and the window may
  // close meanwhile.
  for (const int id : dropDowns) StoreListChoice(id);
}

void Win32Form::StoreListChoice(int id) {
  const auto list = lists_.find(id);
  const auto view = views_.find(id);
  if (list == lists_.end() || view == views_.end()) return;
  const int shown = view->second->ControlSelection();
  if (shown != list->second->ListIndex()) list->second->SetListIndex(shown);
}

void Win32Form::Unload() { Close(CloseCause::Program); }

void Win32Form::Close(CloseCause cause) {
  if (window_ == 0 || unloading_) return;
  // The end of the session asks nothing: a choice still open in a list is dropped.
  if (cause != CloseCause::SessionEnding) {
    StoreListChoices();
    if (window_ == 0 || unloading_) return;
  }
  if (events_.QueryUnload(cause)) return;
  unloading_ = true;
  events_.Unloaded();
  if (window_ != 0) DestroyWindow(Hwnd(window_));
}

void Win32Form::Destroyed() {
  window_ = 0;
  if (onDestroyed_) {
    auto notify = std::move(onDestroyed_);
    onDestroyed_ = nullptr;
    notify();
  }
}

std::intptr_t Win32Form::HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, bool& handled) {
  handled = true;
  HWND window = Hwnd(window_);
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      // Commands without a control are Enter and Esc from the dialog keyboard (IDOK,
      // IDCANCEL): the window has no default and no cancel button, so they do nothing.
      if (lParam == 0) return 0;
      const auto kind = kinds_.find(id);
      if (kind == kinds_.end()) return 0;
      if (kind->second == ControlKind::Button && code == BN_CLICKED) {
        events_.ButtonClicked(id);
      } else if (kind->second == ControlKind::ListBox && code == LBN_SELCHANGE) {
        StoreListChoice(id);
      } else if (kind->second == ControlKind::DropDownList && code == CBN_SELENDOK) {
        // A pick from the opened list; a closed list sends it for a step of the wheel too.
        if (SendMessageA(reinterpret_cast<HWND>(lParam), CB_GETDROPPEDSTATE, 0, 0) != FALSE) StoreListChoice(id);
      } else if (kind->second == ControlKind::DropDownList && code == CBN_KILLFOCUS) {
        PostMessageA(window, kStoreListChoicesMessage, 0, 0);
      }
      return 0;
    }
    case kStoreListChoicesMessage:
      StoreListChoices();
      return 0;
    case WM_DPICHANGED:
      ScaleTo(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_SYSCOMMAND:
      // Close button, system menu and Alt+F4 all arrive here; handled here so that the
      // default procedure never turns them into WM_CLOSE. A WM_CLOSE therefore always
      // comes from outside the window, as the Task Manager sends it.
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        Close(CloseCause::TitleBar);
        return 0;
      }
      break;
    case WM_CLOSE:
      Close(CloseCause::TaskManager);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;  // never holds up the end of the session
    case WM_ENDSESSION:
      if (wParam != 0) Close(CloseCause::SessionEnding);
      return 0;
    case WM_TIMER:
      if (wParam == kTimerId) {
        events_.TimerTick();
        return 0;
      }
      break;
    case WM_ACTIVATE:
      // A plain window does not remember its focused control as a dialog does.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus)) savedFocus_ = HandleOf(focus);
      }
      break;
    case WM_SETFOCUS:
      if (savedFocus_ != 0 && IsWindow(Hwnd(savedFocus_)) && IsWindowEnabled(Hwnd(savedFocus_))) {
        SetFocus(Hwnd(savedFocus_));
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return PaintOnFace(reinterpret_cast<HDC>(wParam));
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      const auto kind = kinds_.find(static_cast<int>(header->idFrom));
      if (header->code != NM_CUSTOMDRAW || kind == kinds_.end() || kind->second != ControlKind::Button) break;
      return DrawButtonCaption(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const auto picture = resources_->pictures.find(static_cast<int>(item->CtlID));
      if (picture == resources_->pictures.end()) break;
      DrawPicture(picture->second, *item);
      return TRUE;
    }
    case WM_PALETTECHANGED: {
      // On a display of 256 colours another window changed them: the pictures map theirs
      // anew. Their own realizing changes nothing the second time.
      const auto changer = reinterpret_cast<HWND>(wParam);
      if (changer == window || IsChild(window, changer)) break;
      for (const auto& [id, picture] : resources_->pictures) InvalidateRect(Hwnd(Control(id)), nullptr, FALSE);
      break;
    }
    case WM_DESTROY:
      KillTimer(window, kTimerId);
      Destroyed();
      return 0;
    case WM_NCDESTROY:
      Released();
      break;
    default:
      break;
  }
  handled = false;
  return 0;
}

}  // namespace tarvio::platform::win32
