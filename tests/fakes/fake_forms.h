#pragma once
// Forms without windows: they keep what the program sets and let a test raise what a
// user or Windows would (clicks, close requests with their cause, timer ticks).
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"

namespace tarvio::test {

class FakeFormFactory;

class FakeForm final : public platform::Form {
 public:
  // The border and title bar around the client area, in twips.
  static constexpr int kFrameWidth = 90, kFrameHeight = 405;

  FakeForm(const platform::FormSpec& spec, platform::FormEvents& events, FakeFormFactory& factory,
           platform::WindowHandle handle);
  ~FakeForm() override;

  platform::WindowHandle Handle() const override { return handle_; }
  platform::IconHandle Icon() const override { return 0x7000 + static_cast<platform::IconHandle>(spec_.icon); }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void SetControlText(int id, const std::string& text) override { texts_[id] = text; }
  void SetToolTip(int id, const std::string& text) override { toolTips_[id] = text; }
  void AttachList(int id, platform::ListControl& list) override { lists_[id] = &list; }
  void Show() override;
  void Hide() override { visible_ = false; }
  bool Visible() const override { return visible_; }
  int Width() const override { return spec_.clientWidth + kFrameWidth; }
  int Height() const override { return spec_.clientHeight + kFrameHeight; }
  void Move(int left, int top) override { place_ = {left, top}; }
  void Unload() override { RequestClose(platform::CloseCause::Program); }

  void Click(int id);
  void RequestClose(platform::CloseCause cause);
  void Tick();

  const platform::FormSpec& Spec() const { return spec_; }
  const std::string& Caption() const { return caption_; }
  std::string Text(int id) const { return texts_.count(id) ? texts_.at(id) : ""; }
  std::string ToolTip(int id) const { return toolTips_.count(id) ? toolTips_.at(id) : ""; }
  platform::ListControl* AttachedList(int id) const { return lists_.count(id) ? lists_.at(id) : nullptr; }
  bool Loaded() const { return loaded_; }
  std::vector<int> Place() const { return place_; }
  int Shows() const { return shows_; }

 private:
  platform::FormSpec spec_;
  platform::FormEvents& events_;
  FakeFormFactory& factory_;
  platform::WindowHandle handle_;
  std::string caption_;
  std::map<int, std::string> texts_, toolTips_;
  std::map<int, platform::ListControl*> lists_;
  bool loaded_ = true, visible_ = false, unloading_ = false;
  std::vector<int> place_;
  int shows_ = 0;
};

// Events nobody listens to: a form that only has to be there.
struct NoFormEvents final : platform::FormEvents {
  void ButtonClicked(int /*id*/) override {}
  bool QueryUnload(platform::CloseCause /*cause*/) override { return false; }
  void Unloaded() override {}
};

class FakeFormFactory final : public platform::FormFactory {
 public:
  std::unique_ptr<platform::Form> Create(const platform::FormSpec& spec, platform::FormEvents& events) override;

  std::vector<FakeForm*> forms;  // every form alive, in the order made
  int openForms = 0;             // not yet unloaded: the program ends when none is left
  int refusals = 0;              // windows the window system refuses before it makes one again

 private:
  platform::WindowHandle next_ = 0x1000;
};

}  // namespace tarvio::test
