#include "platform/portable/headless_form.h"

#include <algorithm>

namespace tarvio::platform::portable {

HeadlessForm::HeadlessForm(const FormSpec& spec, FormEvents& events, HeadlessFormFactory& factory,
                           WindowHandle handle)
    : spec_(spec), events_(events), factory_(factory), handle_(handle), caption_(spec.caption) {
  ++factory_.open_;
}

HeadlessForm::~HeadlessForm() {
  if (loaded_) --factory_.open_;
  auto& forms = factory_.forms;
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void HeadlessForm::Show() {
  if (!loaded_) return;
  ++shows_;
  visible_ = true;
}

int HeadlessForm::Width() const { return spec_.clientWidth + kFrameWidthTwips; }
int HeadlessForm::Height() const { return spec_.clientHeight + kFrameHeightTwips; }

void HeadlessForm::Move(int left, int top) {
  left_ = left;
  top_ = top;
}

std::string HeadlessForm::ControlText(int id) const {
  const auto found = texts_.find(id);
  if (found != texts_.end()) return found->second;
  for (const ControlSpec& control : spec_.controls) {
    if (control.id == id) return control.caption;
  }
  return {};
}

std::string HeadlessForm::ToolTip(int id) const {
  const auto found = toolTips_.find(id);
  if (found != toolTips_.end()) return found->second;
  for (const ControlSpec& control : spec_.controls) {
    if (control.id == id) return control.toolTip;
  }
  return {};
}

ListControl* HeadlessForm::AttachedList(int id) const {
  const auto found = lists_.find(id);
  return found == lists_.end() ? nullptr : found->second;
}

void HeadlessForm::Close(int unloadMode) {
  // As a real window: the close request first, which may refuse; then the unload event;
  // then the window is gone.
  if (!loaded_ || unloading_) return;
  if (events_.QueryUnload(unloadMode)) return;
  unloading_ = true;
  events_.Unloaded();
  loaded_ = false;
  visible_ = false;
  --factory_.open_;
}

std::unique_ptr<Form> HeadlessFormFactory::Create(const FormSpec& spec, FormEvents& events) {
  auto form = std::make_unique<HeadlessForm>(spec, events, *this, nextHandle_);
  nextHandle_ += 0x10;
  forms.push_back(form.get());
  return form;
}

}  // namespace tarvio::platform::portable
