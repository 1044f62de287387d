#include "platform/win32/form_factory.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/form_class.h"
#include "platform/win32/form_window.h"

namespace tarvio::platform::win32 {

std::unique_ptr<Form> Win32FormFactory::Create(const FormSpec& spec, FormEvents& events) {
  static const bool commonControls = [] {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)commonControls;
  RegisterFormClass();
  auto form = std::make_unique<Win32Form>(spec, events, [this] {
    // The program ends when no window of it is open any more.
    if (--openForms_ == 0) PostQuitMessage(0);
  });
  // A window Windows refused is no form: counted, it would keep the program alive for ever.
  if (form->Handle() == 0) return nullptr;
  ++openForms_;
  return form;
}

}  // namespace tarvio::platform::win32
