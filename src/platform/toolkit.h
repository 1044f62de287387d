#pragma once
// What the core needs of the window toolkit beyond its lists: modal message boxes
// and letting the window system process pending events.
#include <string>

#include "platform/form.h"

namespace tarvio::platform {

inline constexpr int kMbCritical = 16;     // OK, critical-stop icon
inline constexpr int kMbExclamation = 48;  // OK, exclamation icon
inline constexpr int kMbInformation = 64;  // OK, information icon
inline constexpr int kMbYesNoQuestionDefaultNo = 292;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

class Toolkit {
 public:
  virtual ~Toolkit() = default;
  // Modal; text lines are separated by single carriage returns. Returns the button pressed.
  // The owner (0 for none) takes no input while the box is open and gets its focus back
  // afterwards.
  virtual int MsgBox(WindowHandle owner, const std::string& text, int style, const std::string& title) = 0;
  // Processes all pending window events (timer and click handlers included), then returns.
  virtual void DoEvents() = 0;
};

}  // namespace tarvio::platform
