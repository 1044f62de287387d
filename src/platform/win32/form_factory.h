#pragma once
// Builds real windows from FormSpecs and keeps count of them: when the last form of the
// program is gone, the message loop ends.
#include "platform/form.h"

namespace tarvio::platform::win32 {

class Win32FormFactory final : public FormFactory {
 public:
  std::unique_ptr<Form> Create(const FormSpec& spec, FormEvents& events) override;
  int OpenForms() const { return openForms_; }

 private:
  int openForms_ = 0;
};

}  // namespace tarvio::platform::win32
