#include "fakes/fake_forms.h"

#include <algorithm>

namespace tarvio::test {

FakeForm::FakeForm(const platform::FormSpec& spec, platform::FormEvents& events, FakeFormFactory& factory,
                   platform::WindowHandle handle)
    : spec_(spec), events_(events), factory_(factory), handle_(handle), caption_(spec.caption) {
  ++factory_.openForms;
}

FakeForm::~FakeForm() {
  if (loaded_) --factory_.openForms;
  std::erase(factory_.forms, this);
}

void FakeForm::Show() {
  ++shows_;
  visible_ = true;
}

void FakeForm::Click(int id) {
  if (loaded_) events_.ButtonClicked(id);
}

void FakeForm::Tick() {
  if (loaded_) events_.TimerTick();
}

// As a real window: the close request first, which may refuse; then the unload event;
// then the window is gone.
void FakeForm::RequestClose(platform::CloseCause cause) {
  if (!loaded_ || unloading_ || events_.QueryUnload(cause)) return;
  unloading_ = true;
  events_.Unloaded();
  loaded_ = visible_ = false;
  --factory_.openForms;
}

std::unique_ptr<platform::Form> FakeFormFactory::Create(const platform::FormSpec& spec, platform::FormEvents& events) {
  if (refusals > 0) {
    --refusals;
    return nullptr;
  }
  auto form = std::make_unique<FakeForm>(spec, events, *this, next_);
  next_ += 0x10;
  forms.push_back(form.get());
  return form;
}

}  // namespace tarvio::test
