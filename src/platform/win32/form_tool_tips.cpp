#include "platform/win32/form_tool_tips.h"

#include <commctrl.h>

#include "platform/win32/ansi.h"

namespace tarvio::platform::win32 {

void FormToolTips::Set(HWND form, HWND control, const std::string& text) {
  if (form == nullptr || control == nullptr) return;
  if (window_ == nullptr) {
    window_ =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) return;
    SendMessageA(window_, TTM_SETMAXTIPWIDTH, 0, 400);
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

}  // namespace tarvio::platform::win32
