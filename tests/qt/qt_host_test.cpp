// The container surface on Qt: size in twips, Resize, enabled state, ambient values and clock.
#include <gtest/gtest.h>

#include <QWidget>
#include <cmath>
#include <limits>
#include <memory>
#include <qt/qt_host.hpp>
#include <vector>

namespace sauramiti::qt {
namespace {

class HostTest : public testing::Test {
 protected:
  void SetUp() override {
    host_.OnResize([this] { ++resizes_; });
  }
  QWidget window_;
  QWidget surface_{&window_};
  QtHost host_{surface_};
  std::unique_ptr<platform::Frame> Frame1_;
  int resizes_ = 0;
};

TEST_F(HostTest, TheControlsOwnSizeReadsBackAndResizesOncePerChange) {
  struct Step {
    float width;
    float height;
    int resizesAfter;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Step steps[] = {
      {3000.0F, 5220.0F, 1},  // height unchanged, width changed
      {3000.0F, 3000.0F, 2},  // height changed
      {3000.0F, 3000.0F, 2},  // same values: nothing
      {3001.0F, 3000.0F, 3},  // a change too small for a pixel still counts
      {nan, 3000.0F, 4},      // NaN is a change from 3001 ...
      {nan, 3000.0F, 4},      // ... but not from NaN
      {685.5714F, 3000.0F, 5},
  };
  for (const Step& s : steps) {
    host_.Width(s.width);
    host_.Height(s.height);
    EXPECT_EQ(resizes_, s.resizesAfter) << s.width << " x " << s.height;
    if (std::isnan(s.width)) {
      EXPECT_TRUE(std::isnan(host_.Width()));
    } else {
      EXPECT_EQ(host_.Width(), s.width);
    }
    EXPECT_EQ(host_.Height(), s.height);
  }
  EXPECT_EQ(surface_.size(), QSize(46, 200));
}

TEST_F(HostTest, QtsResizeBecomesTheSizeInTwipsAndItsOwnEchoIsIgnored) {
  // The widget that owns the host passes every resizeEvent on to SurfaceResized.
  host_.Width(3000.0F);
  host_.Height(3000.0F);
  ASSERT_EQ(resizes_, 2);
  host_.SurfaceResized(QSize(200, 200));
  EXPECT_EQ(resizes_, 2) << "the widget's echo of the control's own size fires nothing";
  EXPECT_EQ(host_.Width(), 3000.0F);

  host_.SurfaceResized(QSize(369, 348));
  EXPECT_EQ(resizes_, 3);
  EXPECT_FLOAT_EQ(host_.Width(), 5535.0F);
  EXPECT_FLOAT_EQ(host_.Height(), 5220.0F);
}

TEST_F(HostTest, ResizeRunsOnceMoreWhileTheListsHeightsSettle) {
  // Like the control's arrangement: it reads the list's height, then rescales its font.
  Frame1_ = host_.CreateFrame(nullptr, "Frame1");
  std::unique_ptr<platform::ComboBox> list = host_.CreateComboBox(*Frame1_, "cboYear");
  std::vector<float> fontSizes;
  host_.OnResize([&] {
    ++resizes_;
    const float points = host_.Height() / 200.0F;
    fontSizes.push_back(points);
    list->FontSize(points);
  });
  host_.SurfaceResized(QSize(300, 300));  // 4500 twips: 22.5 pt
  EXPECT_EQ(resizes_, 2) << "the list grew during the first pass";
  host_.SurfaceResized(QSize(300, 300));
  EXPECT_EQ(resizes_, 2) << "the same size is no resize";
  host_.Height(4500.5F);  // a size change too small to change the list's height
  EXPECT_EQ(resizes_, 3);
  EXPECT_EQ(fontSizes.size(), 3U);
}

TEST_F(HostTest, EnabledIsTheSurfacesOwnState) {
  EXPECT_TRUE(host_.Enabled());
  window_.setEnabled(false);
  EXPECT_TRUE(host_.Enabled()) << "a disabled window does not change the surface's own state";
  host_.Enabled(false);
  EXPECT_FALSE(host_.Enabled());
  window_.setEnabled(true);
  EXPECT_FALSE(host_.Enabled());
  EXPECT_FALSE(surface_.isEnabled());
}

TEST_F(HostTest, AmbientFontIsTheWidgetsFontAsANewObjectEachTime) {
  QFont font = surface_.font();
  font.setPointSizeF(11.0);
  font.setBold(true);
  surface_.setFont(font);
  const FontRef first = host_.AmbientFont();
  const FontRef second = host_.AmbientFont();
  ASSERT_TRUE(first && second);
  EXPECT_NE(first.get(), second.get());
  EXPECT_EQ(*first, *second);
  EXPECT_FLOAT_EQ(first->size, 11.0F);
  EXPECT_TRUE(first->bold);
  EXPECT_FALSE(first->name.empty());
}

TEST_F(HostTest, TodayIsTheClockUnlessFixed) {
  host_.SetToday(QDate(2002, 4, 14));
  const platform::LocalDate fixed = host_.Today();
  EXPECT_EQ(fixed.year, 2002);
  EXPECT_EQ(fixed.month, 4);
  EXPECT_EQ(fixed.day, 14);
  host_.SetToday(QDate());
  const QDate now = QDate::currentDate();
  const platform::LocalDate today = host_.Today();
  // Midnight may pass between the two readings.
  EXPECT_LE(std::abs(QDate(today.year, today.month, today.day).daysTo(now)), 1);
}

TEST_F(HostTest, DesignModeClosesTheChildrenToInput) {
  EXPECT_TRUE(host_.UserMode());
  host_.SetUserMode(false);
  EXPECT_FALSE(host_.UserMode());
  EXPECT_FALSE(host_.Toolkit().UserInputEnabled());
  host_.SetUserMode(true);
  EXPECT_TRUE(host_.Toolkit().UserInputEnabled());
}

}  // namespace
}  // namespace sauramiti::qt
