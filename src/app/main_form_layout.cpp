#include "app/main_form_layout.h"

#include "app/main_form_ids.h"
#include "platform/resource_ids.h"

namespace tarvio::app {

platform::FormSpec MainFormLayout() {
  using platform::MakeControl;
  constexpr auto F = platform::ControlKind::Frame;
  constexpr auto L = platform::ControlKind::Label;
  constexpr auto H = platform::ControlKind::HiddenLabel;
  constexpr auto D = platform::ControlKind::DropDownList;
  constexpr auto X = platform::ControlKind::ListBox;
  constexpr auto B = platform::ControlKind::Button;
  return platform::FormSpec{
      .caption = "",  // set at start-up
      .clientWidth = 8844,
      .clientHeight = 2436,
      .minimizeBox = true,
      .icon = platform::kProgramIconId,
      .timerMilliseconds = kTickMilliseconds,
      .initialFocus = ButtonId(kBtnHide),
      // In the order of the frames; the tab column fixes the keyboard order. Frames, the
      // labels and the disabled connection list hold their place but never take the focus.
      // Each frame and label names what follows it for screen readers; the unit list has no
      // label on the screen, so a hidden one names it.
      .controls =
          {
              MakeControl(kFrame4Id, F, "Aktueller Provider", 0, 60, 60, 2835, 1455, 13),
              MakeControl(kProviderListId, D, "", kFrame4Id, 120, 300, 2595, 315, 1, /*disabled=*/true),
              MakeControl(kLabel1Id, L, "Auflegen nach Leerlauf von ", kFrame4Id, 120, 780, 1095, 495, 14),
              MakeControl(kHangUpDelayListId, D, "", kFrame4Id, 1260, 840, 735, 315, 2),
              MakeControl(kUnitLabelId, H, "Einheit", kFrame4Id, 2040, 840, 675, 315, -1),
              MakeControl(kHangUpUnitListId, D, "", kFrame4Id, 2040, 840, 675, 315, 3),
              MakeControl(kWorkdayFrameId, F, "Providerliste \"Werktags\"", 0, 3000, 60, 2835, 1455, 11),
              MakeControl(kWorkdayListId, X, "", kWorkdayFrameId, 120, 300, 2595, 1008, 4),
              MakeControl(kWeekendFrameId, F, "Providerliste \"Wochenende\"", 0, 5940, 60, 2835, 1455, 12),
              MakeControl(kWeekendListId, X, "", kWeekendFrameId, 120, 300, 2595, 1008, 5),
              MakeControl(kFrame1Id, F, "Steuerung", 0, 60, 1620, 8715, 735, 15),
              MakeControl(ButtonId(kBtnInfo), B, "&Info", kFrame1Id, 120, 240, 855, 375, 6),
              MakeControl(ButtonId(kBtnHelp), B, "&Hilfe", kFrame1Id, 1020, 240, 855, 375, 7),
              MakeControl(ButtonId(kBtnEnd), B, "&Ende", kFrame1Id, 1920, 240, 855, 375, 8),
              MakeControl(ButtonId(kBtnEditPlan), B, "&Listen bearbeiten", kFrame1Id, 3060, 240, 1635, 375, 9),
              MakeControl(ButtonId(kBtnRebuild), B, "&Listen aktualisieren", kFrame1Id, 4740, 240, 1635, 375, 10),
              MakeControl(ButtonId(kBtnHide), B, "&Ausblenden", kFrame1Id, 7200, 240, 1395, 375, 0),
          },
      // Never shown; the window thus has no menu bar.
      .hiddenMenus = {{"PumMain", {"dummy"}}},
  };
}

}  // namespace tarvio::app
