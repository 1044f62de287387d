#include "platform/win32/form_window.h"

#include <windows.h>
#include <commctrl.h>
#include <olectl.h>

#include <algorithm>
#include <vector>

#include "platform/list_control.h"
#include "platform/screen.h"
#include "platform/win32/ansi.h"
#include "platform/win32/form_class.h"
#include "platform/win32/form_list_view.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32_screen.h"

namespace tarvio::platform::win32 {

// Handles the window owns for its whole life, released once when it goes; the tool
// tips window goes before the fonts it may use.
struct FormResources {
  ScopedFont defaultFont;
  std::vector<ScopedFont> ownFonts;
  ScopedIcon bigIcon;
  ScopedIcon smallIcon;
  std::vector<ScopedMenu> hiddenMenus;
  std::map<int, ScopedComPtr<IPicture>> pictures;
  ScopedWindow toolTips;
};

namespace {

constexpr UINT_PTR kTimerId = 1;
// No WS_CLIPCHILDREN: group boxes paint only their border and caption, so the window's
// own background must reach the area inside them.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kFormExStyle = 0;
// A drop-down list is created this much taller than its closed field: the room its
// list takes when it opens.
constexpr int kDropDownRows = 12;

HWND Hwnd(std::uintptr_t handle) { return reinterpret_cast<HWND>(handle); }
std::uintptr_t HandleOf(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

// The dialog font (MS Shell Dlg, 8 points), whose metrics the layout's twips were made
// for; the larger message font of newer Windows would wrap or cut the captions.
HFONT CreateDefaultFont() {
  LOGFONTA font{};
  if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font) == 0) return nullptr;
  return CreateFontIndirectA(&font);
}

ScopedComPtr<IPicture> LoadJpegResource(int resource) {
  ScopedComPtr<IPicture> picture;
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  const DWORD size = found != nullptr ? SizeofResource(nullptr, found) : 0;
  HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  // The stream takes over the copy; OLE reads the picture from the stream.
  ScopedGlobal copy(bytes != nullptr ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr);
  void* target = copy ? GlobalLock(copy.Get()) : nullptr;
  if (target == nullptr) return picture;
  CopyMemory(target, bytes, size);
  GlobalUnlock(copy.Get());
  ScopedComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(copy.Get(), TRUE, stream.Receive()))) return picture;
  copy.Detach();
  if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(picture.Receive())))) {
    picture.Reset();
  }
  return picture;
}

}  // namespace

Win32Form::Win32Form(const FormSpec& spec, FormEvents& events, std::function<void()> onDestroyed)
    : spec_(spec),
      events_(events),
      onDestroyed_(std::move(onDestroyed)),
      resources_(std::make_unique<FormResources>()) {
  const ScreenDpi dpi = QueryScreenDpi();
  dpiX_ = dpi.x;
  dpiY_ = dpi.y;
  DWORD style = kFormStyle;
  if (spec_.minimizeBox) style |= WS_MINIMIZEBOX;
  RECT frame{0, 0, Pixels(spec_.clientWidth, true), Pixels(spec_.clientHeight, false)};
  AdjustWindowRectEx(&frame, style, FALSE, kFormExStyle);
  const std::string caption = ToAnsi(spec_.caption);
  CreateWindowExA(kFormExStyle, kFormClassName, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                  this);
  HWND window = Hwnd(window_);
  if (window == nullptr) return;

  // The title bar may wrap or differ from what AdjustWindowRectEx expected: correct the
  // outer size until the client area is exactly the size asked for.
  RECT client{};
  GetClientRect(window, &client);
  const int wantWidth = Pixels(spec_.clientWidth, true);
  const int wantHeight = Pixels(spec_.clientHeight, false);
  if (client.right != wantWidth || client.bottom != wantHeight) {
    RECT outer{};
    GetWindowRect(window, &outer);
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + wantWidth - client.right,
                 outer.bottom - outer.top + wantHeight - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  if (spec_.icon != 0) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const auto load = [&](int size, int side) {
      return ScopedIcon(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(spec_.icon), IMAGE_ICON,
                                                      GetSystemMetrics(size), GetSystemMetrics(side), 0)));
    };
    resources_->bigIcon = load(SM_CXICON, SM_CYICON);
    resources_->smallIcon = load(SM_CXSMICON, SM_CYSMICON);
    if (resources_->bigIcon) {
      SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(resources_->bigIcon.Get()));
    }
    if (resources_->smallIcon) {
      SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(resources_->smallIcon.Get()));
    }
  }
  for (const HiddenMenuSpec& menu : spec_.hiddenMenus) {
    // Kept, never attached: a window whose only top-level menu is hidden has no menu bar.
    ScopedMenu popup(CreatePopupMenu());
    if (!popup) continue;
    UINT itemId = 1;
    for (const std::string& item : menu.items) AppendMenuA(popup.Get(), MF_STRING, itemId++, ToAnsi(item).c_str());
    resources_->hiddenMenus.push_back(std::move(popup));
  }
  resources_->defaultFont.Reset(CreateDefaultFont());
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
  for (auto& [id, view] : views_) {
    if (lists_.count(id) != 0) lists_[id]->AttachView(nullptr);
  }
}

int Win32Form::Pixels(int twips, bool horizontal) const { return TwipsToPixels(twips, horizontal ? dpiX_ : dpiY_); }

std::uintptr_t Win32Form::Control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? 0 : found->second;
}

void Win32Form::CreateControls() {
  // Controls are created in tab order: Windows keeps children in creation order, and the
  // dialog keyboard walks that order. Controls without a place come last.
  std::vector<const ControlSpec*> ordered;
  for (const ControlSpec& control : spec_.controls) ordered.push_back(&control);
  std::stable_sort(ordered.begin(), ordered.end(), [](const ControlSpec* a, const ControlSpec* b) {
    const int ka = a->tabIndex < 0 ? 1 << 30 : a->tabIndex;
    const int kb = b->tabIndex < 0 ? 1 << 30 : b->tabIndex;
    return ka < kb;
  });
  for (const ControlSpec* control : ordered) CreateControl(*control);
}

void Win32Form::CreateControl(const ControlSpec& control) {
  // Positions inside a frame are relative to the frame; every control is a child of the
  // window itself, so the dialog keyboard sees them all as siblings.
  int left = control.left;
  int top = control.top;
  for (int parent = control.parent; parent != 0;) {
    const auto found = std::find_if(spec_.controls.begin(), spec_.controls.end(),
                                    [parent](const ControlSpec& c) { return c.id == parent; });
    if (found == spec_.controls.end()) break;
    left += found->left;
    top += found->top;
    parent = found->parent;
  }
  const int x = Pixels(left, true);
  const int y = Pixels(top, false);
  const int width = Pixels(left + control.width, true) - x;
  int height = Pixels(top + control.height, false) - y;

  const char* className = "STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
  const bool focusable = !control.disabled && control.tabIndex >= 0;
  const DWORD tabStop = focusable ? static_cast<DWORD>(WS_TABSTOP) : 0u;
  switch (control.kind) {
    case ControlKind::Frame:
      className = "BUTTON";
      style |= BS_GROUPBOX;
      break;
    case ControlKind::Label:
      style |= SS_LEFT;
      break;
    case ControlKind::Button:
      className = "BUTTON";
      // Long captions wrap onto a second line, as the taller buttons are meant for.
      style |= BS_PUSHBUTTON | BS_MULTILINE | tabStop;
      break;
    case ControlKind::DropDownList:
      className = "COMBOBOX";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL | tabStop;
      break;
    case ControlKind::ListBox:
      className = "LISTBOX";
      style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | tabStop;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case ControlKind::Picture:
      style |= SS_OWNERDRAW;
      break;
    case ControlKind::Line:
      style |= SS_ETCHEDHORZ;
      height = std::max(height, 2);
      break;
  }
  if (control.disabled) style |= WS_DISABLED;
  const int createHeight = control.kind == ControlKind::DropDownList ? height * kDropDownRows : height;
  const std::string caption = ToAnsi(control.caption);
  HWND window =
      CreateWindowExA(exStyle, className, caption.c_str(), style, x, y, width, createHeight, Hwnd(window_),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return;
  // Created last, placed last: keep the creation order as the z-order.
  SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  HFONT font = resources_->defaultFont.Get();
  if (!control.fontName.empty() && control.fontPoints > 0) {
    ScopedFont own(CreateFontA(-static_cast<int>(control.fontPoints * dpiY_ / 72.0 + 0.5), 0, 0, 0, FW_NORMAL, FALSE,
                               FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, ToAnsi(control.fontName).c_str()));
    if (own) {
      font = own.Get();
      resources_->ownFonts.push_back(std::move(own));
    }
  }
  if (font != nullptr) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  if (control.kind == ControlKind::DropDownList) {
    // The closed field's height follows the font; set it so the control keeps the height
    // of its layout.
    RECT rect{};
    GetWindowRect(window, &rect);
    const LRESULT item = SendMessageA(window, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    const int shown = rect.bottom - rect.top;
    if (item > 0 && shown != height) {
      SendMessageA(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item + height - shown);
    }
  }
  if (control.kind == ControlKind::Picture && control.resource != 0) {
    if (auto picture = LoadJpegResource(control.resource)) resources_->pictures[control.id] = std::move(picture);
  }
  controls_[control.id] = HandleOf(window);
  kinds_[control.id] = control.kind;
  if (!control.toolTip.empty()) SetToolTip(control.id, control.toolTip);
}

IconHandle Win32Form::Icon() const {
  // The notification area shows small icons.
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
  const std::uintptr_t control = Control(id);
  if (control == 0 || window_ == 0) return;
  if (!resources_->toolTips) {
    resources_->toolTips.Reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                               Hwnd(window_), nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!resources_->toolTips) return;
    SendMessageA(resources_->toolTips.Get(), TTM_SETMAXTIPWIDTH, 0, 400);
  }
  std::string ansi = ToAnsi(text);
  TTTOOLINFOA tool{};
  // The first form of the record: common controls of every version accept it.
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Hwnd(window_);
  tool.uId = control;
  tool.lpszText = ansi.data();
  SendMessageA(resources_->toolTips.Get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(resources_->toolTips.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
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
  if (!shownOnce_) {
    shownOnce_ = true;
    if (!placed_) {
      placed_ = true;
      RECT outer{};
      GetWindowRect(window, &outer);
      const int width = outer.right - outer.left;
      const int height = outer.bottom - outer.top;
      SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    if (const std::uintptr_t focus = Control(spec_.initialFocus)) {
      savedFocus_ = focus;
      SetFocus(Hwnd(focus));
    }
  } else {
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
  }
  SetForegroundWindow(window);
}

void Win32Form::Hide() {
  if (window_ != 0) ShowWindow(Hwnd(window_), SW_HIDE);
}

bool Win32Form::Visible() const { return window_ != 0 && IsWindowVisible(Hwnd(window_)) != FALSE; }

int Win32Form::Width() const {
  RECT outer{};
  if (window_ == 0 || !GetWindowRect(Hwnd(window_), &outer)) return 0;
  return PixelsToTwips(outer.right - outer.left, dpiX_);
}

int Win32Form::Height() const {
  RECT outer{};
  if (window_ == 0 || !GetWindowRect(Hwnd(window_), &outer)) return 0;
  return PixelsToTwips(outer.bottom - outer.top, dpiY_);
}

void Win32Form::Move(int left, int top) {
  if (window_ == 0) return;
  placed_ = true;  // a form placed by its owner is not centred again
  SetWindowPos(Hwnd(window_), nullptr, Pixels(left, true), Pixels(top, false), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::Unload() { Close(CloseCause::Program); }

void Win32Form::Close(CloseCause cause) {
  if (window_ == 0 || unloading_) return;
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
      } else if ((kind->second == ControlKind::DropDownList && code == CBN_SELCHANGE) ||
                 (kind->second == ControlKind::ListBox && code == LBN_SELCHANGE)) {
        const auto list = lists_.find(id);
        const auto view = views_.find(id);
        if (list != lists_.end() && view != views_.end()) list->second->SetListIndex(view->second->ControlSelection());
      }
      return 0;
    }
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
    case WM_CTLCOLORBTN: {
      // A plain window's default answer is the white of edit fields; labels, frames and
      // buttons stand on the window's own face colour, as in a dialog.
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<std::intptr_t>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const auto picture = resources_->pictures.find(static_cast<int>(item->CtlID));
      if (picture == resources_->pictures.end()) break;
      OLE_XSIZE_HIMETRIC width = 0;
      OLE_YSIZE_HIMETRIC height = 0;
      picture->second->get_Width(&width);
      picture->second->get_Height(&height);
      const RECT& r = item->rcItem;
      picture->second->Render(item->hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, height, width, -height,
                              nullptr);
      return TRUE;
    }
    case WM_DESTROY:
      KillTimer(window, kTimerId);
      Destroyed();
      return 0;
    default:
      break;
  }
  handled = false;
  return 0;
}

}  // namespace tarvio::platform::win32
