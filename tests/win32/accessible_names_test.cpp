// Every list and every control that takes the focus has a name by the rule of Windows'
// accessibility layer, on the real windows: a control's own text, and for a list, which
// shows an item instead, the text of the static text or frame right before it in z-order,
// the search stopping at a control that takes the focus ("Providing the Name Property").
// A label the eye does not see counts, as it does for the layer.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "app/main_form_layout.h"
#include "extras/info_form_layout.h"
#include "fakes/fake_forms.h"
#include "platform/form.h"
#include "platform/win32/form_factory.h"

namespace tarvio::platform::win32 {
namespace {

bool IsList(HWND control) {
  char name[16] = {};
  GetClassNameA(control, name, sizeof name);
  return std::strcmp(name, "ComboBox") == 0 || std::strcmp(name, "ListBox") == 0;
}

bool TakesFocus(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP) != 0; }

// The text as read out: the access key's "&" is not.
std::string Spoken(HWND window) {
  char text[256] = {};
  std::string spoken(text, static_cast<std::size_t>(GetWindowTextA(window, text, sizeof text)));
  std::erase(spoken, '&');
  return spoken;
}

// The window the control's name comes from; null for none.
HWND NamedBy(HWND control) {
  if (!IsList(control)) return control;
  for (HWND before = GetWindow(control, GW_HWNDPREV); before != nullptr; before = GetWindow(before, GW_HWNDPREV)) {
    if ((SendMessageA(before, WM_GETDLGCODE, 0, 0) & DLGC_STATIC) != 0) return before;
    if (TakesFocus(before)) break;
  }
  return nullptr;
}

// And a list by its own frame, or by a label in that frame: not by its neighbour's.
TEST(AccessibleNames, EveryListAndFocusableControlHasANameOfItsOwn) {
  for (const FormSpec& spec : {app::MainFormLayout(), extras::InfoFormLayout()}) {
    Win32FormFactory factory;
    test::NoFormEvents events;
    const std::unique_ptr<Form> form = factory.Create(spec, events);
    const HWND window = reinterpret_cast<HWND>(form->Handle());
    std::map<std::string, int> listNames;
    std::map<int, int> parents;
    for (const ControlSpec& control : spec.controls) parents[control.id] = control.parent;
    for (const ControlSpec& control : spec.controls) {
      const HWND item = GetDlgItem(window, control.id);
      if (!IsList(item) && !TakesFocus(item)) continue;
      const HWND source = NamedBy(item);
      const std::string name = source != nullptr ? Spoken(source) : "";
      EXPECT_NE(name, "") << control.id << " has no name";
      if (!IsList(item) || name.empty()) continue;
      const int from = GetDlgCtrlID(source);
      EXPECT_TRUE(from == control.parent || parents[from] == control.parent) << control.id << " named by " << from;
      const auto [other, added] = listNames.emplace(name, control.id);
      EXPECT_TRUE(added) << control.id << " and " << other->second << " are both " << name;
    }
  }
  // The last form gone ends the message loop: not the test's.
  MSG quit{};
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
}  // namespace tarvio::platform::win32
