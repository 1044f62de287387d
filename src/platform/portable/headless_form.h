#pragma once
// Forms without windows: they keep what the program sets (caption, visibility, lists,
// position) and let a test raise the events a real window would: clicks, close
// requests with their cause, timer ticks.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"

namespace tarvio::platform::portable {

class HeadlessFormFactory;

class HeadlessForm final : public Form {
 public:
  HeadlessForm(const FormSpec& spec, FormEvents& events, HeadlessFormFactory& factory, WindowHandle handle);
  ~HeadlessForm() override;
  HeadlessForm(const HeadlessForm&) = delete;
  HeadlessForm& operator=(const HeadlessForm&) = delete;

  WindowHandle Handle() const override { return loaded_ ? handle_ : 0; }
  IconHandle Icon() const override { return spec_.icon != 0 ? kIconHandleBase + static_cast<IconHandle>(spec_.icon) : 0; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void SetControlText(int id, const std::string& text) override { texts_[id] = text; }
  void SetToolTip(int id, const std::string& text) override { toolTips_[id] = text; }
  void AttachList(int id, ListControl& list) override { lists_[id] = &list; }
  void Show() override;
  void Hide() override { visible_ = false; }
  bool Visible() const override { return loaded_ && visible_; }
  int Width() const override;
  int Height() const override;
  void Move(int left, int top) override;
  void Unload() override { Close(kCloseByProgram); }

  // What a user or the window system would do.
  void Click(int id) { if (loaded_) events_.ButtonClicked(id); }
  void RequestClose(int unloadMode) { Close(unloadMode); }
  void Tick() { if (loaded_) events_.TimerTick(); }

  // What the program did.
  const FormSpec& Spec() const { return spec_; }
  const std::string& Caption() const { return caption_; }
  std::string ControlText(int id) const;
  std::string ToolTip(int id) const;
  ListControl* AttachedList(int id) const;
  bool Loaded() const { return loaded_; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Shows() const { return shows_; }

  // The border and title bar around the client area, in twips.
  static constexpr int kFrameWidthTwips = 90;
  static constexpr int kFrameHeightTwips = 405;
  static constexpr IconHandle kIconHandleBase = 0x7000;

 private:
  void Close(int unloadMode);

  FormSpec spec_;
  FormEvents& events_;
  HeadlessFormFactory& factory_;
  WindowHandle handle_;
  std::string caption_;
  std::map<int, std::string> texts_;
  std::map<int, std::string> toolTips_;
  std::map<int, ListControl*> lists_;
  bool loaded_ = true;
  bool visible_ = false;
  bool unloading_ = false;
  int left_ = 0, top_ = 0;
  int shows_ = 0;
};

class HeadlessFormFactory final : public FormFactory {
 public:
  std::unique_ptr<Form> Create(const FormSpec& spec, FormEvents& events) override;

  // Every form created, in order; a form destroyed is taken off the list.
  std::vector<HeadlessForm*> forms;
  // Forms not yet unloaded: the program would end when this falls to 0.
  int OpenForms() const { return open_; }

 private:
  friend class HeadlessForm;
  int open_ = 0;
  WindowHandle nextHandle_ = 0x1000;
};

}  // namespace tarvio::platform::portable
