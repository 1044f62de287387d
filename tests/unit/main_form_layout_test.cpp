#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/main_form_ids.h"
#include "app/main_form_layout.h"
#include "platform/resource_ids.h"
#include "platform/screen.h"

namespace tarvio::test {
namespace {

using platform::ControlKind;

struct Row {
  int id;
  ControlKind kind;
  const char* caption;
  int parent, left, top, width, height, tab;
};

const platform::ControlSpec& Find(const platform::FormSpec& form, int id) {
  const auto found = std::find_if(form.controls.begin(), form.controls.end(),
                                  [id](const platform::ControlSpec& c) { return c.id == id; });
  EXPECT_NE(found, form.controls.end()) << id;
  return *found;
}

TEST(MainFormLayout, EveryControlAsDrawn) {
  using namespace app;
  const Row rows[] = {
      {kFrame4Id, ControlKind::Frame, "Aktueller Provider", 0, 60, 60, 2835, 1455, 13},
      {kProviderListId, ControlKind::DropDownList, "", kFrame4Id, 120, 300, 2595, 315, 1},
      {kLabel1Id, ControlKind::Label, "Auflegen nach Leerlauf von ", kFrame4Id, 120, 780, 1095, 495, 14},
      {kHangUpDelayListId, ControlKind::DropDownList, "", kFrame4Id, 1260, 840, 735, 315, 2},
      {kHangUpUnitListId, ControlKind::DropDownList, "", kFrame4Id, 2040, 840, 675, 315, 3},
      {kWorkdayFrameId, ControlKind::Frame, "Providerliste \"Werktags\"", 0, 3000, 60, 2835, 1455, 11},
      {kWorkdayListId, ControlKind::ListBox, "", kWorkdayFrameId, 120, 300, 2595, 1008, 4},
      {kWeekendFrameId, ControlKind::Frame, "Providerliste \"Wochenende\"", 0, 5940, 60, 2835, 1455, 12},
      {kWeekendListId, ControlKind::ListBox, "", kWeekendFrameId, 120, 300, 2595, 1008, 5},
      {kFrame1Id, ControlKind::Frame, "Steuerung", 0, 60, 1620, 8715, 735, 15},
      {ButtonId(5), ControlKind::Button, "&Info", kFrame1Id, 120, 240, 855, 375, 6},
      {ButtonId(10), ControlKind::Button, "&Hilfe", kFrame1Id, 1020, 240, 855, 375, 7},
      {ButtonId(4), ControlKind::Button, "&Ende", kFrame1Id, 1920, 240, 855, 375, 8},
      {ButtonId(6), ControlKind::Button, "&Listen bearbeiten", kFrame1Id, 3060, 240, 1635, 375, 9},
      {ButtonId(2), ControlKind::Button, "&Listen aktualisieren", kFrame1Id, 4740, 240, 1635, 375, 10},
      {ButtonId(3), ControlKind::Button, "&Ausblenden", kFrame1Id, 7200, 240, 1395, 375, 0},
  };
  const auto form = MainFormLayout();
  ASSERT_EQ(form.controls.size(), std::size(rows));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.id);
    const auto& c = Find(form, row.id);
    EXPECT_EQ(c.kind, row.kind);
    EXPECT_EQ(c.caption, row.caption);
    EXPECT_EQ(c.parent, row.parent);
    EXPECT_EQ(c.left, row.left);
    EXPECT_EQ(c.top, row.top);
    EXPECT_EQ(c.width, row.width);
    EXPECT_EQ(c.height, row.height);
    EXPECT_EQ(c.tabIndex, row.tab);
    EXPECT_EQ(c.disabled, row.id == kProviderListId);
    EXPECT_TRUE(c.fontName.empty());
  }
}

TEST(MainFormLayout, TheWindowItself) {
  const auto form = app::MainFormLayout();
  EXPECT_EQ(form.caption, "Tarvio");
  EXPECT_EQ(form.clientWidth, 8844);
  EXPECT_EQ(form.clientHeight, 2436);
  EXPECT_TRUE(form.minimizeBox);
  EXPECT_EQ(form.icon, platform::kProgramIconId);
  EXPECT_EQ(form.timerMilliseconds, 5000);
  EXPECT_EQ(form.initialFocus, app::ButtonId(app::kBtnHide));
  ASSERT_EQ(form.hiddenMenus.size(), 1u);
  EXPECT_EQ(form.hiddenMenus[0].caption, "PumMain");
  EXPECT_EQ(form.hiddenMenus[0].items, std::vector<std::string>{"dummy"});
}

TEST(MainFormLayout, EveryControlLiesInsideTheClientArea) {
  const auto form = app::MainFormLayout();
  for (const auto& c : form.controls) {
    int left = c.left, top = c.top;
    if (c.parent != 0) {
      const auto& frame = Find(form, c.parent);
      left += frame.left;
      top += frame.top;
      EXPECT_LE(c.left + c.width, frame.width) << c.id;
      EXPECT_LE(c.top + c.height, frame.height) << c.id;
    }
    EXPECT_LE(left + c.width, form.clientWidth) << c.id;
    EXPECT_LE(top + c.height, form.clientHeight) << c.id;
  }
}

TEST(MainFormLayout, TabPlacesAreUniqueAndIdsToo) {
  const auto form = app::MainFormLayout();
  std::set<int> tabs, ids;
  for (const auto& c : form.controls) {
    EXPECT_TRUE(tabs.insert(c.tabIndex).second) << c.id;
    EXPECT_TRUE(ids.insert(c.id).second) << c.id;
    EXPECT_NE(c.id, 1);  // IDOK and IDCANCEL belong to the dialog keyboard
    EXPECT_NE(c.id, 2);
  }
}

struct TwipsCase {
  int twips, dpi, pixels;
};

class TwipsToPixelsTable : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPixelsTable, RoundsToTheNearestPixel) {
  EXPECT_EQ(platform::TwipsToPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Screens, TwipsToPixelsTable,
                         ::testing::Values(TwipsCase{8844, 96, 590}, TwipsCase{2436, 96, 162},
                                           TwipsCase{1008, 96, 67}, TwipsCase{15, 96, 1}, TwipsCase{7, 96, 0},
                                           TwipsCase{8, 96, 1}, TwipsCase{8844, 120, 737},
                                           TwipsCase{-8, 96, -1}, TwipsCase{0, 96, 0}));

}  // namespace
}  // namespace tarvio::test
