#include "extras/center_form.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "platform/form.h"

namespace tarvio::extras {
namespace {

// Only the size and the place matter here.
class SizedForm final : public platform::Form {
 public:
  SizedForm(int width, int height) : width_(width), height_(height) {}
  platform::WindowHandle Handle() const override { return 1; }
  platform::IconHandle Icon() const override { return 0; }
  void SetCaption(const std::string&) override {}
  void SetControlText(int, const std::string&) override {}
  void SetToolTip(int, const std::string&) override {}
  void AttachList(int, platform::ListControl&) override {}
  void Show() override {}
  void Hide() override {}
  bool Visible() const override { return false; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Move(int left, int top) override { place = std::make_pair(left, top); }
  void Unload() override {}

  std::optional<std::pair<int, int>> place;

 private:
  int width_, height_;
};

TEST(CenterOffset, RoundsTheDifferenceToEvenThenHalvesTowardZero) {
  struct Row {
    double screen, form;
    int expected;
  };
  for (const Row row : {Row{10000, 9500, 250}, Row{10001, 9500, 250}, Row{9500, 9801, -150}, Row{100, 97.5, 1},
                        Row{100, 96.5, 2}, Row{100, 100, 0}, Row{0, 3.0, -1}}) {
    EXPECT_EQ(CenterOffset(row.screen, row.form), row.expected) << row.screen << " - " << row.form;
  }
}

TEST(CenterForm, MovesTheFormToTheMiddle) {
  SizedForm form(9500, 6000);
  CenterForm(form, {12000, 9000, 15, 15});
  EXPECT_EQ(form.place, std::make_pair(1250, 1500));
}

TEST(PlaceDialog, CornerOnSmallScreensElseCentred) {
  struct Row {
    int widthPixels, heightPixels;
    bool corner;
  };
  for (const Row row : {Row{640, 480, true}, Row{800, 600, false}, Row{1024, 480, true}, Row{640, 1024, true},
                        Row{641, 481, false}}) {
    SizedForm form(9504, 6912);
    PlaceDialog(form, {row.widthPixels * 15, row.heightPixels * 15, 15, 15});
    const auto expected = row.corner ? std::make_pair(0, 0)
                                     : std::make_pair((row.widthPixels * 15 - 9504) / 2,
                                                      (row.heightPixels * 15 - 6912) / 2);
    EXPECT_EQ(form.place, expected) << row.widthPixels << " x " << row.heightPixels;
  }
}

TEST(PlaceDialog, PixelsCountWithEachDirectionsOwnTwipsPerPixel) {
  SizedForm form(100, 100);
  // 9600 twips at 12 per pixel are 800 pixels across; 7200 at 12 are 600 down.
  PlaceDialog(form, {9600, 7200, 12, 12});
  EXPECT_EQ(form.place, std::make_pair(4750, 3550));
  SizedForm narrow(100, 100);
  PlaceDialog(narrow, {9600, 7200, 15, 12});  // 640 pixels across
  EXPECT_EQ(narrow.place, std::make_pair(0, 0));
}

TEST(PlaceDialog, MetricsWithoutPixelSizeGoToTheCorner) {
  SizedForm form(100, 100);
  PlaceDialog(form, {12000, 9000, 0, 15});
  EXPECT_EQ(form.place, std::make_pair(0, 0));
}

}  // namespace
}  // namespace tarvio::extras
