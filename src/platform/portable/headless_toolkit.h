#pragma once
// A toolkit without windows: records the message boxes the program would show and
// answers them as told; a yield runs whatever the test asks to happen meanwhile.
#include <functional>
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace tarvio::platform::portable {

class HeadlessToolkit final : public Toolkit {
 public:
  struct ShownBox {
    WindowHandle owner;
    std::string text;
    int style;
    std::string title;
  };

  int MsgBox(WindowHandle owner, const std::string& text, int style, const std::string& title) override {
    boxes.push_back({owner, text, style, title});
    if (onBox) onBox();
    return answer;
  }
  void DoEvents() override {
    ++yields;
    if (onYield) onYield();
  }

  std::vector<ShownBox> boxes;
  int answer = kIdOk;               // the button every box is answered with
  int yields = 0;
  std::function<void()> onYield;    // the events that arrive while the program yields
  std::function<void()> onBox;      // the events that arrive while a box waits for its answer
};

}  // namespace tarvio::platform::portable
