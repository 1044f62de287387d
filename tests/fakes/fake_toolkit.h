#pragma once
// Message boxes recorded and answered as told; a yield or an open box runs whatever the
// test lets happen meanwhile.
#include <functional>
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace tarvio::test {

class FakeToolkit final : public platform::Toolkit {
 public:
  struct Box {
    platform::WindowHandle owner;
    std::string text;
    platform::MessageStyle style;
  };
  platform::Answer MsgBox(platform::WindowHandle owner, std::string_view text, platform::MessageStyle style) override {
    boxes.push_back({owner, std::string(text), style});
    if (onBox) onBox();
    return answer;
  }
  void DoEvents() override {
    ++yields;
    if (onYield) onYield();
  }

  std::vector<Box> boxes;
  platform::Answer answer = platform::Answer::Ok;
  int yields = 0;
  std::function<void()> onYield;  // what happens while the program yields
  std::function<void()> onBox;    // what happens while a box waits for its answer
};

}  // namespace tarvio::test
