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

// The screen and the form are measured in the same twips at every DPI, so the dialog
// lands in the middle, not off it at 175 % and 200 %.
TEST(CenterForm, CentresAtEveryDpi) {
  for (const int dpi : {96, 120, 144, 168, 192}) {
    const int formPixels = 900;  // outer width and height
    SizedForm form(platform::PixelsToTwips(formPixels, dpi), platform::PixelsToTwips(formPixels, dpi));
    PlaceDialog(form, platform::MetricsOfScreen(3840, 2160, dpi, dpi));
    ASSERT_TRUE(form.place) << dpi;
    EXPECT_NEAR(platform::TwipsToPixels(form.place->first, dpi), (3840 - formPixels) / 2, 1) << dpi << " dpi";
    EXPECT_NEAR(platform::TwipsToPixels(form.place->second, dpi), (2160 - formPixels) / 2, 1) << dpi << " dpi";
  }
}

// Pixels count with each direction's own twips per pixel; metrics without a pixel size
// count as a small screen.
TEST(PlaceDialog, CornerOnSmallScreensElseCentred) {
  const struct {
    platform::ScreenMetrics screen;
    int formWidth, formHeight;
    std::pair<int, int> place;
  } rows[] = {
      {{640 * 15, 480 * 15, 15, 15}, 9504, 6912, {0, 0}},
      {{800 * 15, 600 * 15, 15, 15}, 9504, 6912, {1248, 1044}},
      {{1024 * 15, 480 * 15, 15, 15}, 9504, 6912, {0, 0}},
      {{640 * 15, 1024 * 15, 15, 15}, 9504, 6912, {0, 0}},
      {{641 * 15, 481 * 15, 15, 15}, 9504, 6912, {55, 151}},
      {{9600, 7200, 12, 12}, 100, 100, {4750, 3550}},
      {{9600, 7200, 15, 12}, 100, 100, {0, 0}},
      {{12000, 9000, 0, 15}, 100, 100, {0, 0}},
  };
  for (const auto& row : rows) {
    SizedForm form(row.formWidth, row.formHeight);
    PlaceDialog(form, row.screen);
    EXPECT_EQ(form.place, row.place) << row.screen.widthTwips << " x " << row.screen.heightTwips << " twips, "
                                     << row.screen.twipsPerPixelX << "/" << row.screen.twipsPerPixelY;
  }
}

}  // namespace
}  // namespace tarvio::extras
