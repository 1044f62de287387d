#pragma once
// What the core needs of the window toolkit beyond its forms and lists: modal message
// boxes and letting the window system process pending events.
#include <string_view>

#include "platform/form.h"

namespace tarvio::platform {

enum class MessageStyle {
  Critical,              // OK, critical-stop icon
  Exclamation,           // OK, exclamation icon
  Information,           // OK, information icon
  YesNoQuestionNoFirst,  // Yes and No, question icon, No the default button
};
enum class Answer { Ok, Yes, No };

class Toolkit {
 public:
  virtual ~Toolkit() = default;
  // Modal, titled with the product name; lines are separated by single carriage returns.
  // The owner (0 for none) takes no input while the box is open and gets its focus back.
  virtual Answer MsgBox(WindowHandle owner, std::string_view text, MessageStyle style) = 0;
  // Processes all pending window events (timer and click handlers included), then returns.
  virtual void DoEvents() = 0;
};

}  // namespace tarvio::platform
