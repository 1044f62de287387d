#include "app/main_form_layout.h"

#include "app/main_form_ids.h"
#include "platform/resource_ids.h"

namespace tarvio::app {
namespace {

using platform::ControlKind;
using platform::ControlSpec;

ControlSpec Control(int id, ControlKind kind, const char* caption, int parent, int left, int top, int width,
                    int height, int tabIndex, bool disabled = false) {
  ControlSpec c;
  c.id = id;
  c.kind = kind;
  c.caption = caption;
  c.parent = parent;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.tabIndex = tabIndex;
  c.disabled = disabled;
  return c;
}

}  // namespace

platform::FormSpec MainFormLayout() {
  platform::FormSpec form;
  form.caption = "Tarvio";
  form.clientWidth = 8844;
  form.clientHeight = 2436;
  form.minimizeBox = true;
  form.taskbarButtonWhileVisible = true;
  form.icon = platform::kProgramIconId;
  form.timerMilliseconds = kTickMilliseconds;
  form.initialFocus = ButtonId(kBtnHide);

  constexpr auto F = ControlKind::Frame;
  constexpr auto L = ControlKind::Label;
  constexpr auto D = ControlKind::DropDownList;
  constexpr auto X = ControlKind::ListBox;
  constexpr auto B = ControlKind::Button;
  // Listed in the order of the frames; the tab column fixes the keyboard order. Frames,
  // the label and the disabled connection list hold their place but never take the focus.
  form.controls = {
      Control(kFrame4Id, F, "Aktueller Provider", 0, 60, 60, 2835, 1455, 13),
      Control(kProviderListId, D, "", kFrame4Id, 120, 300, 2595, 315, 1, /*disabled=*/true),
      Control(kLabel1Id, L, "Auflegen nach Leerlauf von ", kFrame4Id, 120, 780, 1095, 495, 14),
      Control(kHangUpDelayListId, D, "", kFrame4Id, 1260, 840, 735, 315, 2),
      Control(kHangUpUnitListId, D, "", kFrame4Id, 2040, 840, 675, 315, 3),
      Control(kWorkdayFrameId, F, "Providerliste \"Werktags\"", 0, 3000, 60, 2835, 1455, 11),
      Control(kWorkdayListId, X, "", kWorkdayFrameId, 120, 300, 2595, 1008, 4),
      Control(kWeekendFrameId, F, "Providerliste \"Wochenende\"", 0, 5940, 60, 2835, 1455, 12),
      Control(kWeekendListId, X, "", kWeekendFrameId, 120, 300, 2595, 1008, 5),
      Control(kFrame1Id, F, "Steuerung", 0, 60, 1620, 8715, 735, 15),
      Control(ButtonId(kBtnInfo), B, "&Info", kFrame1Id, 120, 240, 855, 375, 6),
      Control(ButtonId(kBtnHelp), B, "&Hilfe", kFrame1Id, 1020, 240, 855, 375, 7),
      Control(ButtonId(kBtnEnd), B, "&Ende", kFrame1Id, 1920, 240, 855, 375, 8),
      Control(ButtonId(kBtnEditPlan), B, "&Listen bearbeiten", kFrame1Id, 3060, 240, 1635, 375, 9),
      Control(ButtonId(kBtnRebuild), B, "&Listen aktualisieren", kFrame1Id, 4740, 240, 1635, 375, 10),
      Control(ButtonId(kBtnHide), B, "&Ausblenden", kFrame1Id, 7200, 240, 1395, 375, 0),
  };
  // Never shown; the window thus has no menu bar.
  form.hiddenMenus = {{"PumMain", {"dummy"}}};
  return form;
}

}  // namespace tarvio::app
