#pragma once
// Windows described by the core and built by a back-end: a top-level window with its
// controls laid out in twips (1/1440 inch), events reported back to the core.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarvio::platform {

class ListControl;

using WindowHandle = std::uintptr_t;  // HWND on Windows, 0 for none
using IconHandle = std::uintptr_t;    // HICON on Windows

enum class ControlKind { Frame, Label, Button, DropDownList, ListBox, Picture, Line };

struct ControlSpec {
  int id = 0;  // what the events carry; unique within the form
  ControlKind kind = ControlKind::Label;
  std::string caption;  // "&" marks the access key
  int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the parent
  int parent = 0;       // id of the containing frame, 0 for the window's client area
  int tabIndex = -1;    // place in the tab order, -1 when it never takes the focus
  bool disabled = false;
  std::string toolTip;
  std::string fontName;  // empty: the window's default font
  double fontPoints = 0;
  int resource = 0;      // picture: the resource it shows
};

// A menu the window defines but never shows: it gives the window no menu bar.
struct HiddenMenuSpec {
  std::string caption;
  std::vector<std::string> items;
};

// A control of a layout table: its place in twips, within parent (0: the client area).
inline ControlSpec MakeControl(int id, ControlKind kind, const char* caption, int parent, int left, int top,
                               int width, int height, int tabIndex = -1, bool disabled = false) {
  ControlSpec control;
  control.id = id;
  control.kind = kind;
  control.caption = caption;
  control.parent = parent;
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  control.tabIndex = tabIndex;
  control.disabled = disabled;
  return control;
}

struct FormSpec {
  std::string caption;
  int clientWidth = 0, clientHeight = 0;  // twips
  bool minimizeBox = true;
  bool taskbarButtonWhileVisible = true;
  int icon = 0;                  // icon resource, 0 for none
  int timerMilliseconds = 0;     // 0: no timer
  int initialFocus = 0;          // control that has the focus when first shown
  std::vector<ControlSpec> controls;
  std::vector<HiddenMenuSpec> hiddenMenus;
};

// Close causes, as the core's close-request handler receives them.
inline constexpr int kCloseFromTitleBar = 0;
inline constexpr int kCloseByProgram = 1;
inline constexpr int kCloseSessionEnding = 2;
inline constexpr int kCloseByTaskManager = 3;

class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void ButtonClicked(int id) = 0;
  // Returns true to refuse the close (the window stays).
  virtual bool QueryUnload(int unloadMode) = 0;
  virtual void Unloaded() = 0;
  virtual void TimerTick() {}
};

class Form {
 public:
  virtual ~Form() = default;
  virtual WindowHandle Handle() const = 0;
  virtual IconHandle Icon() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetControlText(int id, const std::string& text) = 0;
  virtual void SetToolTip(int id, const std::string& text) = 0;
  // The control with this id shows the list and reports the user's choices to it.
  virtual void AttachList(int id, ListControl& list) = 0;
  virtual void Show() = 0;  // non-modal, without owner; a visible form stays visible
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // Outer size and position, in twips, border and title bar included.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Move(int left, int top) = 0;
  // Unloads the form (close cause 1): QueryUnload, then Unloaded, then the window goes.
  virtual void Unload() = 0;
};

class FormFactory {
 public:
  virtual ~FormFactory() = default;
  virtual std::unique_ptr<Form> Create(const FormSpec& spec, FormEvents& events) = 0;
};

}  // namespace tarvio::platform
