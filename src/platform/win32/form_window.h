#pragma once
// A real top-level window built from a FormSpec: fixed border, controls placed from
// their twips, tab order as given, dialog-style keyboard, a timer, and the close causes
// told apart for the core.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/win32/scoped.h"

namespace tarvio::platform::win32 {

class FormListView;
struct FormResources;

class Win32Form final : public Form {
 public:
  // onDestroyed runs when the window is gone (unloaded, or destroyed with the object);
  // never when Windows refused the window, which leaves Handle() 0.
  Win32Form(const FormSpec& spec, FormEvents& events, std::function<void()> onDestroyed);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  WindowHandle Handle() const override { return window_; }
  IconHandle Icon() const override;
  void SetCaption(const std::string& caption) override;
  void SetControlText(int id, const std::string& text) override;
  void SetToolTip(int id, const std::string& text) override;
  void AttachList(int id, ListControl& list) override;
  void Show() override;
  void Hide() override;
  bool Visible() const override;
  int Width() const override;
  int Height() const override;
  void Move(int left, int top) override;
  void Unload() override;

  // The window procedure's work; 'handled' false hands the message to the default procedure.
  std::intptr_t HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, bool& handled);
  void Attach(WindowHandle window) { window_ = window; }

 private:
  void CreateFonts();
  HFONT FontOf(const ControlSpec& control) const;
  ScopedIcon LoadFormIcon(int edge) const;
  // The icons of the title bar for the window's DPI.
  void SetTitleBarIcons();
  void CreateControls();
  void CreateControl(const ControlSpec& control);
  // Laid out again from the twips for another DPI: fonts, controls, icons, tool tips; the
  // window at the suggested place (WM_DPICHANGED), else where it is.
  void ScaleTo(int dpi, const RECT* suggested);
  // What the user chose in the lists and is not stored yet goes to the lists' handlers.
  void StoreListChoices();
  void StoreListChoice(int id);
  void Close(CloseCause cause);
  void Destroyed();
  // The window and its controls are gone: whatever named or served them goes too.
  void Released();
  std::uintptr_t Control(int id) const;
  int Pixels(int twips, bool horizontal) const;

  FormSpec spec_;
  FormEvents& events_;
  std::function<void()> onDestroyed_;
  WindowHandle window_ = 0;
  int dpiX_ = 96, dpiY_ = 96;
  bool shownOnce_ = false;  // the first showing gives the initial control the focus
  bool placed_ = false;     // centred on the first showing unless placed before
  bool unloading_ = false;
  std::uintptr_t savedFocus_ = 0;
  std::unique_ptr<FormResources> resources_;
  std::map<int, std::uintptr_t> controls_;
  std::map<int, ControlKind> kinds_;
  std::map<int, std::unique_ptr<FormListView>> views_;
  std::map<int, ListControl*> lists_;
};

}  // namespace tarvio::platform::win32
