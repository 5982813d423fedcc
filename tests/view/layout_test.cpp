#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/enumerations.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <sauramiti/view/layout.hpp>
#include <string>

#include "../control/fake_host.hpp"

namespace sauramiti::view {
namespace {

using testing::FakeHost;

struct Box {
  float left, top, width, height;
};

void ExpectBox(const platform::ChildControl& control, Box expected, const std::string& name) {
  EXPECT_EQ(control.Left(), expected.left) << name << " left";
  EXPECT_EQ(control.Top(), expected.top) << name << " top";
  EXPECT_EQ(control.Width(), expected.width) << name << " width";
  EXPECT_EQ(control.Height(), expected.height) << name << " height";
}

class LayoutTest : public ::testing::Test {
 protected:
  LayoutTest() : controls(CreateChildControls(host)) {}
  void Arrange(float w, float h, std::int16_t vertical, std::int32_t style = wkdShort) {
    host.Resize(w, h);
    ArrangeView(host, controls, vertical, style);
  }
  FakeHost host;
  ChildControls controls;
};

// A 4800 x 4800 surface whose year list reports 360 twips: the figures a literal computation in
// double precision gives, each rounded to a single when handed to the child.
constexpr float kHeaderWidth = 685.5714111328125F;  // 4799 / 7
constexpr float kBand = 579.8333129882812F;         // 3479 / 6

TEST_F(LayoutTest, FramesPanelsAndListsAreTheSameInBothArrangements) {
  for (std::int16_t vertical : {std::int16_t{0}, std::int16_t{-1}}) {
    SCOPED_TRACE(vertical);
    Arrange(4800, 4800, vertical);
    ExpectBox(*controls.Frame1, {1, 1, 4799, 4799}, "Frame1");
    ExpectBox(*controls.Label1, {1, 1, 4800, 480}, "Label1");
    ExpectBox(*controls.Label2, {1, 480, 4800, 480}, "Label2");
    EXPECT_TRUE(controls.Label2->Visible());
    ExpectBox(*controls.cboYear, {0, 960, 2400, 360}, "cboYear");
    ExpectBox(*controls.CBoMonth, {2400, 960, 2400, 360}, "CBoMonth");
    // Below the lists, starting one twip above their bottom edge.
    ExpectBox(*controls.Frame2, {1, 1319, 4799, 3479}, "Frame2");
  }
}

TEST_F(LayoutTest, HorizontalPutsHeadersInTheTopBandAndWeeksInRows) {
  Arrange(4800, 4800, 0);
  const float lefts[7] = {0.0F,
                          685.5714111328125F,
                          1371.142822265625F,
                          2056.71435546875F,
                          2742.28564453125F,
                          3427.85693359375F,
                          4113.4287109375F};
  const float rowTops[5] = {579.8333129882812F, 1159.6666259765625F, 1739.5F, 2319.333251953125F,
                            2899.166748046875F};
  for (int i = 0; i < 7; ++i) {
    ExpectBox(*controls.lblWD[static_cast<std::size_t>(i)], {lefts[i], 1, kHeaderWidth, kBand},
              "lblWD(" + std::to_string(i) + ")");
  }
  for (int j = 0; j < 35; ++j) {
    ExpectBox(*controls.lblDay[static_cast<std::size_t>(j)],
              {lefts[j % 7], rowTops[j / 7], kHeaderWidth, kBand},
              "lblDay(" + std::to_string(j) + ")");
  }
  // The last row ends exactly at the bottom of Frame2.
  EXPECT_FLOAT_EQ(rowTops[4] + kBand, controls.Frame2->Height());
}

TEST_F(LayoutTest, VerticalPutsHeadersInTheLeftBandAndWeeksInColumns) {
  Arrange(4800, 4800, -1);
  constexpr float kColumnWidth = 799.8333129882812F;  // 4799 / 6
  const float columnLefts[5] = {799.8333129882812F, 1599.6666259765625F, 2399.5F,
                                3199.333251953125F, 3999.166748046875F};
  for (int i = 0; i < 7; ++i) {
    ExpectBox(*controls.lblWD[static_cast<std::size_t>(i)],
              {2, 497.0F * static_cast<float>(i), kColumnWidth, 497},
              "lblWD(" + std::to_string(i) + ")");
  }
  for (int j = 0; j < 35; ++j) {
    ExpectBox(*controls.lblDay[static_cast<std::size_t>(j)],
              {columnLefts[j / 7], 497.0F * static_cast<float>(j % 7), kColumnWidth, 497},
              "lblDay(" + std::to_string(j) + ")");
  }
}

TEST_F(LayoutTest, FontsScaleWithTheAreaTheyLabel) {
  struct Case {
    const char* name;
    std::int16_t vertical;
    std::int32_t style;
    float header;
    float cell;
  };
  // sqrt(579.8333 * 685.5714) / 40 = 15.76 for short names, / 60 = 10.51 for long ones; the
  // vertical header has another shape but nearly the same area.
  const Case cases[] = {
      {"horizontal short", 0, wkdShort, 15.762240409851074F, 15.762240409851074F},
      {"horizontal long", 0, wkdLong, 10.508159637451172F, 15.762240409851074F},
      {"vertical short", -1, wkdShort, 15.762240409851074F, 15.762240409851074F},
      {"vertical long", -1, wkdLong, 10.508160591125488F, 15.762240409851074F},
      // A style outside the enumeration still enters the formula: 7 * 20 + 40 = 180.
      {"style 7", 0, 7, 3.5027201175689697F, 15.762240409851074F},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Arrange(4800, 4800, c.vertical, c.style);
    for (const auto& header : controls.lblWD) EXPECT_EQ(header->FontSize(), c.header);
    for (const auto& cell : controls.lblDay) EXPECT_EQ(cell->FontSize(), c.cell);
    // sqrt(4800 * 480) / 100 for both panels and both lists.
    for (const platform::HasFont* control :
         {static_cast<const platform::HasFont*>(controls.Label1.get()),
          static_cast<const platform::HasFont*>(controls.Label2.get()),
          static_cast<const platform::HasFont*>(controls.cboYear.get()),
          static_cast<const platform::HasFont*>(controls.CBoMonth.get())}) {
      EXPECT_EQ(control->FontSize(), 15.178933143615723F);
    }
  }
}

TEST_F(LayoutTest, AnyOtherVerticalValueLeavesHeadersAndCellsWhereTheyWere) {
  Arrange(4800, 4800, 0);
  Arrange(6000, 6000, 5);
  EXPECT_EQ(controls.Frame2->Width(), 5999.0F);  // frames follow the new size
  EXPECT_EQ(controls.lblWD[3]->Width(), kHeaderWidth);
  EXPECT_EQ(controls.lblDay[34]->Top(), 2899.166748046875F);
  EXPECT_EQ(controls.Label1->FontSize(), static_cast<float>(std::sqrt(6000.0 * 600.0) / 100));
}

TEST_F(LayoutTest, ATooSmallControlGetsNoNegativeSizeAndNoFontBelowOnePoint) {
  struct Case {
    const char* name;
    float w, h;
  };
  const Case cases[] = {
      {"shorter than the lists", 4800, 300},
      {"narrow and low", 100, 100},
      {"nothing", 0, 0},
      {"negative", -50, -50},
      {"not a number", std::numeric_limits<float>::quiet_NaN(), 4800},
  };
  for (const Case& c : cases) {
    for (std::int16_t vertical : {std::int16_t{0}, std::int16_t{-1}}) {
      SCOPED_TRACE(std::string(c.name) + (vertical ? " vertical" : " horizontal"));
      Arrange(c.w, c.h, vertical);
      std::vector<const platform::ChildControl*> all = {
          controls.Frame1.get(), controls.Frame2.get(),  controls.Label1.get(),
          controls.Label2.get(), controls.cboYear.get(), controls.CBoMonth.get()};
      for (const auto& l : controls.lblWD) all.push_back(l.get());
      for (const auto& l : controls.lblDay) all.push_back(l.get());
      for (const platform::ChildControl* child : all) {
        EXPECT_GE(child->Width(), 0.0F);
        EXPECT_GE(child->Height(), 0.0F);
      }
      for (const auto& l : controls.lblWD) EXPECT_GE(l->FontSize(), 1.0F);
      for (const auto& l : controls.lblDay) EXPECT_GE(l->FontSize(), 1.0F);
      EXPECT_GE(controls.Label1->FontSize(), 1.0F);
      EXPECT_GE(controls.cboYear->FontSize(), 1.0F);
    }
  }
}

TEST_F(LayoutTest, HugeSurfacesAreArrangedWithoutError) {
  Arrange(3.0e38F, 3.0e38F, 0);
  EXPECT_GT(controls.lblDay[34]->Top(), 1.0e38F);
  Arrange(3.0e38F, 3.0e38F, -1);
  EXPECT_GT(controls.lblDay[34]->Left(), 1.0e38F);
}

TEST_F(LayoutTest, AWeekdayStyleThatBreaksTheHeaderFontFormulaIsAnError) {
  struct Case {
    const char* name;
    std::int32_t style;
    std::int32_t error;
  };
  const Case cases[] = {
      {"style * 20 + 40 beyond 32 bits", 107374181, kOverflow},
      {"style * 20 beyond 32 bits", -2147483647 - 1, kOverflow},
      {"divisor 0", -2, kDivisionByZero},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      Arrange(4800, 4800, 0, c.style);
      ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number(), c.error);
    }
  }
}

}  // namespace
}  // namespace sauramiti::view
