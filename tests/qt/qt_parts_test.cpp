// The Qt pieces under the widget: twips to pixels, the focus mark's steps over the grid,
// the host surface's size, and the child label and list as the control and the user meet them.
#include <gtest/gtest.h>

#include <QTest>
#include <cmath>
#include <memory>
#include <qt/grid_navigation.hpp>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_host.hpp>
#include <qt/qt_label.hpp>
#include <qt/twips_scale.hpp>
#include <string>
#include <vector>

namespace sauramiti::qt {
namespace {

TEST(PixelRect, RoundsBothEdgesAndHoldsBadInputInRange) {
  const struct {
    const char* name;
    double dpi, left, top, width, height;
    QRect expected;
  } cases[] = {
      // 96 dpi is 15 twips a pixel; 685.5714 twips is 45.7 pixels: the edges round, not the width.
      {"FractionalCell", 96, 685.5714, 1, 685.5714, 579.8333, QRect(46, 0, 45, 39)},
      {"NaNPlaceIsOrigin", 96, std::nan(""), std::nan(""), 150, 150, QRect(0, 0, 0, 0)},
      {"HugeHeldAtLimit", 96, 0, 0, 1e300, 15, QRect(0, 0, QWIDGETSIZE_MAX, 1)},
      {"UnusableResolutionFallsBackTo96", 0, 15, 30, 150, 300, QRect(1, 2, 10, 20)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TwipsScale(c.dpi, c.dpi).ToPixelRect(c.left, c.top, c.width, c.height), c.expected)
        << c.name;
  }
  // Seven cells of W / 7 twips each, cell i at W / 7 * i, as the month grid lays them, touch.
  for (int width = 1; width <= 10000; width += 7) {
    for (int i = 0; i + 1 < 7; ++i) {
      const QRect here = TwipsScale(96, 96).ToPixelRect(width / 7.0 * i, 0, width / 7.0, 100);
      const QRect next = TwipsScale(96, 96).ToPixelRect(width / 7.0 * (i + 1), 0, 1, 100);
      ASSERT_EQ(here.x() + here.width(), next.x()) << "width " << width << " cell " << i;
    }
  }
}

TEST(StepFocus, MovesByDayOrWeekAndNeverOntoAnEmptyCell) {
  using enum GridStep;
  // A 32-day month from a Saturday: days 30 to 32 wrap to cells 0 to 2, cells 3 to 5 stay empty.
  const auto wrapped = [](int cell) { return cell <= 2 || cell >= 6; };
  const auto lateStart = [](int cell) { return cell >= 3 && cell <= 33; };
  EXPECT_EQ(StepFocus(2, Right, false, wrapped), 6);
  EXPECT_EQ(StepFocus(6, Up, true, wrapped), 2);
  EXPECT_EQ(StepFocus(-1, Right, false, lateStart), 3) << "no mark settles on the first day";
  const auto sparse = [](int cell) { return cell % 2 == 0; };  // every start, step, arrangement
  for (int from = 0; from < kDayCells; from += 2) {
    for (const GridStep step : {Left, Right, Up, Down}) {
      for (const bool vertical : {false, true}) {
        const int to = StepFocus(from, step, vertical, sparse);
        ASSERT_TRUE(to >= 0 && to < kDayCells && sparse(to)) << from << " -> " << to;
      }
    }
  }
  EXPECT_EQ(SettleFocus(5, [](int) { return false; }), -1);
}

using Pick = std::pair<std::string, std::int32_t>;  // a list's text and index

class ChildrenTest : public testing::Test {
 protected:
  void SetUp() override {
    host_.OnResize([this] { ++resizes_; });
    frame_->Width(6000);
    frame_->Height(6000);
    surface_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface_));
    label_.reset(static_cast<QtLabel*>(host_.CreateLabel(*frame_, "lblDay(1)").release()));
    label_->Width(1500);
    label_->Height(600);
    combo_.reset(static_cast<QtComboBox*>(host_.CreateComboBox(*frame_, "cboYear").release()));
    for (const char* item : {"Vaishaka", "Jestha", "Asadh", "Jestha"}) combo_->AddItem(item);
  }
  QWidget surface_;
  QtHost host_{surface_};
  std::unique_ptr<platform::Frame> frame_ = host_.CreateFrame(nullptr, "Frame1");
  std::unique_ptr<QtLabel> label_;
  std::unique_ptr<QtComboBox> combo_;
  int resizes_ = 0;
};

TEST_F(ChildrenTest, TheControlsOwnSizeResizesOncePerChangeAndQtsEchoIsIgnored) {
  const float nan = std::nanf("");
  const struct {
    float width;
    int resizesAfter;
  } steps[] = {{3000.0F, 1}, {3000.0F, 1}, {3001.0F, 2}, {nan, 3}, {nan, 3}, {3000.0F, 4}};
  host_.Height(3000.0F);
  resizes_ = 0;
  for (const auto& s : steps) {  // a change too small for a pixel counts, NaN to NaN does not
    host_.Width(s.width);
    host_.Height(3000.0F);
    EXPECT_EQ(resizes_, s.resizesAfter) << s.width;
    EXPECT_TRUE(std::isnan(s.width) ? std::isnan(host_.Width()) : host_.Width() == s.width);
  }
  host_.SurfaceResized(QSize(200, 200));  // the widget's echo of the control's own size
  EXPECT_EQ(resizes_, 4);
  host_.SurfaceResized(QSize(369, 348));
  EXPECT_EQ(resizes_, 5);
  EXPECT_FLOAT_EQ(host_.Width(), 5535.0F);
}

TEST_F(ChildrenTest, LabelClicksReachTheHandlerOnlyWhenEnabledAndInRunMode) {
  const struct {
    bool enabled, userMode;
    int clicks;
  } cases[] = {{true, true, 1}, {false, true, 0}, {true, false, 0}};
  int clicks = 0;
  label_->OnClick([&] { ++clicks; });
  for (const auto& c : cases) {
    clicks = 0;
    label_->Enabled(c.enabled);
    host_.SetUserMode(c.userMode);
    QTest::mouseClick(label_->Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, c.clicks) << c.enabled << c.userMode;
  }
  host_.SetUserMode(true);
  std::vector<int> errors;
  host_.Toolkit().SetErrorSink([&](const RuntimeError& e) { errors.push_back(e.Number()); });
  label_->OnClick([] { Raise(kOverflow); });
  QTest::mousePress(label_->Widget(), Qt::LeftButton);  // released elsewhere: no click
  QTest::mouseRelease(label_->Widget(), Qt::LeftButton, {}, QPoint(-20, -20));
  QTest::mouseClick(label_->Widget(), Qt::LeftButton);  // a handler's error reaches the sink
  EXPECT_EQ(errors, std::vector<int>{kOverflow});
}

TEST_F(ChildrenTest, ListTextChoosesTheFirstMatchAndOnlyTheUsersChoiceIsAClick) {
  EXPECT_EQ(combo_->ListIndex(), -1) << "adding items chooses none";
  const std::vector<Pick> cases{
      {"Jestha", 1}, {"Vaishaka ", -1}, {"asadh", -1}, {"", -1}, {"Vaishaka", 0}};
  std::vector<Pick> clicks;
  combo_->OnClick([&] { clicks.emplace_back(combo_->Text(), combo_->ListIndex()); });
  for (const auto& [text, index] : cases) {
    combo_->Text(text);
    EXPECT_EQ(combo_->ListIndex(), index) << text;
    EXPECT_EQ(combo_->Combo()->currentText(), QString::fromStdString(text)) << text;
  }
  EXPECT_TRUE(clicks.empty()) << "the control's own changes are no clicks";
  combo_->Combo()->setFocus();
  QTest::keyClick(combo_->Combo(), Qt::Key_Down);
  EXPECT_TRUE(combo_->Choose(2));
  EXPECT_FALSE(combo_->Choose(4));
  EXPECT_EQ(clicks, (std::vector<Pick>{{"Jestha", 1}, {"Asadh", 2}}));
}

}  // namespace
}  // namespace sauramiti::qt
