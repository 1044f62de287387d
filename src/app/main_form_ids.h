#pragma once
// Identifiers of the main window's controls, as its events carry them. The buttons
// keep their place in the button array: identifier kButtonIdBase + index. The base
// keeps clear of 1 and 2, which Windows uses for Enter and Esc in dialog navigation.

namespace tarvio::app {

inline constexpr int kProviderListId = 101;
inline constexpr int kHangUpDelayListId = 102;
inline constexpr int kHangUpUnitListId = 103;
inline constexpr int kWorkdayListId = 104;  // PrvList(0)
inline constexpr int kWeekendListId = 105;  // PrvList(1)
inline constexpr int kLabel1Id = 110;
inline constexpr int kUnitLabelId = 111;  // hidden: names HangUpUnitList for screen readers
inline constexpr int kFrame4Id = 120;
inline constexpr int kWorkdayFrameId = 121;  // Frame2(0)
inline constexpr int kWeekendFrameId = 122;  // Frame2(1)
inline constexpr int kFrame1Id = 123;

inline constexpr int kButtonIdBase = 1000;
constexpr int ButtonId(int index) { return kButtonIdBase + index; }

// The indices of the button array.
inline constexpr int kBtnRebuild = 2;
inline constexpr int kBtnHide = 3;
inline constexpr int kBtnEnd = 4;
inline constexpr int kBtnInfo = 5;
inline constexpr int kBtnEditPlan = 6;
inline constexpr int kBtnHelp = 10;

inline constexpr int kTickMilliseconds = 5000;

}  // namespace tarvio::app
