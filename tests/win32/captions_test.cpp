// Every caption of both windows fits its control, measured in the font the control
// really has, on the real user32 and gdi32: at the prefix's 96 dpi, at 120, 144, 168 and
// 192 dpi in programs of their own (a program reads the DPI once, when it starts), and
// across a change of scale while the windows are open.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form_layout.h"
#include "extras/info_form_layout.h"
#include "fakes/fake_forms.h"
#include "platform/form.h"
#include "platform/win32/ansi.h"
#include "platform/win32/form_factory.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32_screen.h"

namespace tarvio::platform::win32 {
namespace {

constexpr const char* kDpiVariable = "TARVIO_TEST_DPI";
// The group box draws its caption this far in from its left and right edge.
constexpr int kFrameCaptionInset = 7;
// A push button's 3-D border and the focus rectangle inside it.
constexpr int kButtonBorder = 3;

// How many rows what is drawn in area spans, from the first row with a dark pixel to the
// last; 0 when nothing is.
int DarkRows(HDC dc, const RECT& area) {
  int first = -1, last = -1;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128) {
        if (first < 0) first = y;
        last = y;
        break;
      }
    }
  }
  return first < 0 ? 0 : last - first + 1;
}

// The rows the button's caption spans as the button draws it, and as DrawText draws the
// whole caption across the text area: a line too many, or one cut off, spans more.
std::pair<int, int> DrawnAndWholeRows(HWND button, const RECT& area, const std::string& text, HFONT font) {
  RECT client{};
  GetClientRect(button, &client);
  const ScopedScreenDC screen;
  const Scoped<HDC, &DeleteDC> memory(CreateCompatibleDC(screen.Get()));
  const Scoped<HBITMAP, &DeleteGdiObject<HBITMAP>> bitmap(
      CreateCompatibleBitmap(screen.Get(), client.right, client.bottom * 3));
  SelectObject(memory.Get(), bitmap.Get());
  SelectObject(memory.Get(), font);
  SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT | PRF_ERASEBKGND);
  RECT whole{area.left, client.bottom, area.right, client.bottom * 3};
  FillRect(memory.Get(), &whole, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(memory.Get(), TRANSPARENT);
  DrawTextA(memory.Get(), text.c_str(), -1, &whole, DT_WORDBREAK | DT_CENTER);
  return {DarkRows(memory.Get(), area), DarkRows(memory.Get(), whole)};
}

// What does not fit, a line per caption: "id caption: needs WxH in WxH". What nobody sees
// needs no room.
std::vector<std::string> CaptionsThatDoNotFit(HWND window, const FormSpec& spec, bool buttonsOnOneLine) {
  std::vector<std::string> misfits;
  for (const ControlSpec& control : spec.controls) {
    if (control.caption.empty() || control.kind == ControlKind::HiddenLabel) continue;
    const HWND item = GetDlgItem(window, control.id);
    const HDC dc = GetDC(item);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(item, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT area{};
    GetClientRect(item, &area);
    UINT format = DT_CALCRECT | DT_WORDBREAK;
    if (control.kind == ControlKind::Button) InflateRect(&area, -kButtonBorder, -kButtonBorder);
    if (control.kind == ControlKind::Frame) {
      InflateRect(&area, -kFrameCaptionInset, 0);
      format = DT_CALCRECT | DT_SINGLELINE;
    }
    const int width = area.right - area.left;
    const int height = control.kind == ControlKind::Frame || (buttonsOnOneLine && control.kind == ControlKind::Button)
                           ? metrics.tmHeight
                           : area.bottom - area.top;
    const std::string text = ToAnsi(control.caption);
    RECT needed{0, 0, width, 0};
    DrawTextA(dc, text.c_str(), -1, &needed, format);
    SelectObject(dc, previous);
    ReleaseDC(item, dc);
    if (needed.right > width || needed.bottom > height) {
      misfits.push_back(std::to_string(control.id) + " " + control.caption + ": needs " + std::to_string(needed.right) +
                        "x" + std::to_string(needed.bottom) + " in " + std::to_string(width) + "x" +
                        std::to_string(height));
    }
    // And the button draws it so: in no more lines than it needs, none of them cut.
    if (control.kind == ControlKind::Button) {
      const auto [drawn, whole] = DrawnAndWholeRows(item, area, text, font);
      if (drawn == 0 || drawn > whole) {
        misfits.push_back(std::to_string(control.id) + " " + control.caption + ": drawn over " + std::to_string(drawn) +
                          " rows, whole over " + std::to_string(whole));
      }
    }
  }
  return misfits;
}

std::vector<std::string> CaptionsThatDoNotFit(const FormSpec& spec, bool buttonsOnOneLine) {
  Win32FormFactory factory;
  test::NoFormEvents events;
  std::unique_ptr<Form> form = factory.Create(spec, events);
  std::vector<std::string> misfits =
      CaptionsThatDoNotFit(reinterpret_cast<HWND>(form->Handle()), spec, buttonsOnOneLine);
  form.reset();
  // The last form gone ends the message loop: not the test's.
  MSG quit{};
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  return misfits;
}

// Each control's place in the client area and the height of its font.
std::vector<long> Layout(HWND window) {
  std::vector<long> layout;
  for (HWND item = GetWindow(window, GW_CHILD); item != nullptr; item = GetWindow(item, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(item, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(item, WM_GETFONT, 0, 0)), sizeof font, &font);
    layout.insert(layout.end(), {r.left, r.top, r.right, font.lfHeight});
  }
  return layout;
}

// The main window's buttons on one line; the label, the info dialog's buttons and the
// frames with whole lines inside.
TEST(Captions, FitTheirControlsAtTheScreensDpi) {
  const char* asked = std::getenv(kDpiVariable);
  ASSERT_EQ(QueryScreenDpi().y, asked != nullptr ? std::atoi(asked) : 96);
  EXPECT_EQ(CaptionsThatDoNotFit(app::MainFormLayout(), true), std::vector<std::string>{});
  EXPECT_EQ(CaptionsThatDoNotFit(extras::InfoFormLayout(), false), std::vector<std::string>{});
}

// The same test in a program of its own for each DPI, set as the display settings do. A
// program under the 32-bit emulation takes seconds to start: there 168 and 192 dpi come
// only after a change of scale (below).
TEST(Captions, FitTheirControlsAtEveryDpiFrom120To192) {
  ScopedKey desktop;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", desktop.Receive()), ERROR_SUCCESS);
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string command =
      std::string("\"") + program + "\" --gtest_brief=1 --gtest_filter=Captions.FitTheirControlsAtTheScreensDpi";
  for (const DWORD dpi : {120u, 144u, 168u, 192u}) {
    if (sizeof(void*) == 4 && dpi > 144) break;
    RegSetValueExA(desktop.Get(), "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    SetEnvironmentVariableA(kDpiVariable, std::to_string(dpi).c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child));
    const ScopedHandle process(child.hProcess), thread(child.hThread);
    WaitForSingleObject(process.Get(), INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.Get(), &exitCode);
    EXPECT_EQ(exitCode, 0u) << dpi << " dpi";
  }
  SetEnvironmentVariableA(kDpiVariable, nullptr);
  RegDeleteValueA(desktop.Get(), "LogPixels");  // the prefix's own: 96
}

// The scale changed from 100 % to 175 %, 200 % and back while the windows are open, as
// Windows 8.1 and later tell a window of a per-monitor aware program (WM_DPICHANGED with the
// new DPI and a suggested place): each window is laid out again from its twips at the new
// DPI, places and fonts scaled within the pixels of rounding, at the place Windows
// suggests; and back at 96 dpi exactly as it was made.
TEST(Captions, FitTheirControlsAcrossAChangeOfScale) {
  for (const auto& [spec, buttonsOnOneLine] :
       {std::pair{app::MainFormLayout(), true}, {extras::InfoFormLayout(), false}}) {
    Win32FormFactory factory;
    test::NoFormEvents events;
    const std::unique_ptr<Form> form = factory.Create(spec, events);
    const HWND window = reinterpret_cast<HWND>(form->Handle());
    const std::vector<long> at96 = Layout(window);
    for (const int dpi : {168, 192, 96}) {
      RECT suggested{dpi / 4, dpi / 8, dpi * 10, dpi * 5};
      SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
      const std::vector<std::string> none;
      EXPECT_EQ(dpi == 96 ? none : CaptionsThatDoNotFit(window, spec, buttonsOnOneLine), none) << dpi << " dpi";
      RECT outer{};
      GetWindowRect(window, &outer);
      EXPECT_EQ(outer.left * 100 + outer.top, suggested.left * 100 + suggested.top) << dpi << " dpi";
      const std::vector<long> now = Layout(window);
      for (std::size_t i = 0; i < now.size() && i < at96.size(); ++i) {
        EXPECT_NEAR(now[i], at96[i] * dpi / 96, dpi == 96 ? 0 : 2)
            << "control " << i / 4 << ", value " << i % 4 << ", " << dpi;
      }
    }
  }
  MSG quit{};
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
}  // namespace tarvio::platform::win32
