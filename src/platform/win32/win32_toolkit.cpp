#include "platform/win32/win32_toolkit.h"

#include <windows.h>

#include "platform/product.h"
#include "platform/win32/ansi.h"
#include "platform/win32/message_pump.h"

namespace tarvio::platform::win32 {
namespace {

UINT StyleBits(MessageStyle style) {
  switch (style) {
    case MessageStyle::Critical:
      return MB_OK | MB_ICONHAND;
    case MessageStyle::Exclamation:
      return MB_OK | MB_ICONEXCLAMATION;
    case MessageStyle::Information:
      return MB_OK | MB_ICONASTERISK;
    case MessageStyle::YesNoQuestionNoFirst:
      return MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
  }
  return MB_OK;
}

}  // namespace

Answer Win32Toolkit::MsgBox(WindowHandle owner, std::string_view text, MessageStyle style) {
  // Owned, the box holds the owner (hidden or not) until it is answered, and Windows
  // gives the focus back to the control that had it.
  const int pressed = MessageBoxA(reinterpret_cast<HWND>(owner), ToAnsi(text).c_str(), ToAnsi(kProductName).c_str(),
                                  StyleBits(style) | MB_SETFOREGROUND);
  return pressed == IDYES ? Answer::Yes : pressed == IDNO ? Answer::No : Answer::Ok;
}

void Win32Toolkit::DoEvents() { PumpPendingMessages(); }

}  // namespace tarvio::platform::win32
