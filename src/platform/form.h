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

// A label names the control listed right after it in the form's table, a frame the
// controls it holds: screen readers take a list's name from them. A hidden label names
// a control the eye needs no label for.
enum class ControlKind { Frame, Label, HiddenLabel, Button, DropDownList, ListBox, Picture, Line };

struct ControlSpec {
  int id;  // what the events carry; unique within the form
  ControlKind kind;
  std::string caption;           // "&" marks the access key
  int parent;                    // id of the containing frame, 0 for the window's client area
  int left, top, width, height;  // twips, relative to the parent
  int tabIndex;                  // place in the tab order, -1 when it never takes the focus
  bool disabled;
  std::string toolTip{};
  std::string fontName{};  // empty: the window's default font
  double fontPoints{};
  int resource{};  // picture: the resource it shows
};

// A menu the window defines but never shows: it gives the window no menu bar.
struct HiddenMenuSpec {
  std::string caption;
  std::vector<std::string> items;
};

// A control of a layout table: its place in twips, within parent (0: the client area).
inline ControlSpec MakeControl(int id, ControlKind kind, const char* caption, int parent, int left, int top, int width,
                               int height, int tabIndex, bool disabled = false) {
  return ControlSpec{.id = id,
                     .kind = kind,
                     .caption = caption,
                     .parent = parent,
                     .left = left,
                     .top = top,
                     .width = width,
                     .height = height,
                     .tabIndex = tabIndex,
                     .disabled = disabled};
}

struct FormSpec {
  std::string caption;
  int clientWidth, clientHeight;  // twips
  bool minimizeBox;
  int icon;               // icon resource, 0 for none
  int timerMilliseconds;  // 0: no timer
  int initialFocus;       // control that has the focus when first shown
  std::vector<ControlSpec> controls{};
  std::vector<HiddenMenuSpec> hiddenMenus{};
};

// Why a form is asked to close.
enum class CloseCause {
  TitleBar,       // close button, system menu or Alt+F4
  Program,        // the program unloads the form itself
  SessionEnding,  // Windows ends the user's session
  TaskManager,    // a close from outside, as the Task Manager sends it
};

class FormEvents {
 public:
  virtual ~FormEvents() = default;
  virtual void ButtonClicked(int id) = 0;
  // Returns true to refuse the close (the form stays).
  virtual bool QueryUnload(CloseCause cause) = 0;
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
  // The control with this id shows the list and reports the user's choices to it. In a
  // drop-down list a pick from the opened list is a choice at once; steps through the
  // closed list (arrow keys, the wheel) become one choice when the focus leaves the list
  // or the form is hidden or closed, so that a setting is stored once, not at every step.
  virtual void AttachList(int id, ListControl& list) = 0;
  virtual void Show() = 0;  // non-modal, without owner; a visible form stays visible
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // Outer size and position, in twips, border and title bar included.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Move(int left, int top) = 0;
  // Unloads the form (CloseCause::Program): QueryUnload, then Unloaded, then the window goes.
  virtual void Unload() = 0;
};

class FormFactory {
 public:
  virtual ~FormFactory() = default;
  // Null when the window system refused the window (its desktop heap or its objects used up).
  virtual std::unique_ptr<Form> Create(const FormSpec& spec, FormEvents& events) = 0;
};

}  // namespace tarvio::platform
