// The terminal picker with the picker extensions, and their command-line values. The picker's
// clock says 21 April 2002, BS 2059/01/08 (cell 7, a Sunday); Vaishaka 2059 starts on a Sunday.
#include <gtest/gtest.h>

#include <cli/extension_options.hpp>
#include <optional>
#include <sauramiti/view/child_controls.hpp>
#include <string>
#include <terminal/picker.hpp>
#include <terminal/view_layout.hpp>
#include <vector>

namespace sauramiti::terminal {
namespace {

constexpr platform::Color kHoliday = 0x000000C0U;  // a red

PickerSetup EveryExtension() {
  PickerSetup setup;
  setup.markToday = true;
  setup.minDate = "2059/01/05";
  setup.maxDate = "2059/01/25";
  setup.holidayColor = static_cast<std::int32_t>(kHoliday);
  return setup;
}

// The span that draws day cell `cell`.
const Span* CellSpan(const std::vector<StyledLine>& lines, int cell) {
  for (const StyledLine& line : lines) {
    for (const Span& span : line) {
      if (span.dayCell == cell) return &span;
    }
  }
  return nullptr;
}

TEST(PickerExtensionsTest, ThePictureCarriesTodaysMarkTheLimitsAndTheHolidayColour) {
  Picker picker(EveryExtension(), {2002, 4, 21});
  picker.Control().Value("2059/01/12/5");  // the selection away from today
  const ViewPicture picture = picker.Picture();
  // Which cells the control marks is its own (tests/control); here, that the marks are drawn.
  // With colours: today in reverse video, Saturdays in the holiday colour, days outside dim.
  LayoutOptions colours;
  colours.bracketSelection = false;
  const std::vector<StyledLine> lines = LayOutView(picture, colours);
  EXPECT_TRUE(CellSpan(lines, 7)->style.reverse);
  EXPECT_EQ(CellSpan(lines, 13)->style.fore, TermColorOf(kHoliday));
  EXPECT_EQ(CellSpan(lines, 12)->style.fore, TermColor::Default);
  EXPECT_TRUE(CellSpan(lines, 2)->style.dim);
  // As plain text, today is bracketed like the selected day.
  EXPECT_EQ(CellSpan(LayOutView(picture, {}), 7)->text, "[ 8]");
}

TEST(PickerExtensionsTest, KeysStopAtTheLimitsAndSayWhy) {
  Picker picker(EveryExtension(), {2002, 4, 21});
  EXPECT_EQ(picker.Press(PickerKey::PageDown), PickerOutcome::Running);
  EXPECT_EQ(picker.Status(), "no day there lies within the allowed dates");
  EXPECT_EQ(picker.Control().Children().CBoMonth->ListIndex(), 0);
}

TEST(ExtensionOptionsTest, ColoursAndDatesAreReadOrRefusedWithAReason) {
  struct Row {
    const char* text;
    std::optional<std::int32_t> colour;
  };
  for (const Row& row : std::vector<Row>{{"#ff0000", 0x0000FF},
                                         {"#00FF80", 0x80FF00},
                                         {"255", 255},
                                         {"0x00C00000", 0xC00000},
                                         {"0x8000000F", static_cast<std::int32_t>(0x8000000FU)},
                                         {"#ff00", std::nullopt},
                                         {"red", std::nullopt},
                                         {"-1", std::nullopt},
                                         {"0x", std::nullopt},
                                         {"", std::nullopt}}) {
    EXPECT_EQ(cli::ParseColorOption(row.text), row.colour) << row.text;
    EXPECT_EQ(cli::CheckColorOption(row.text).empty(), row.colour.has_value()) << row.text;
  }
  const bs::calendar& model = bs::calendar::model;
  const bs::calendar& published = bs::calendar::published;
  EXPECT_EQ(cli::CheckLimitDate("2081/04/15", model), "");
  EXPECT_EQ(cli::CheckLimitDate("2081-4-5", model), "");
  EXPECT_EQ(cli::CheckLimitDate("", model), "");  // no limit
  EXPECT_NE(cli::CheckLimitDate("2081/13/01", model), "");
  EXPECT_NE(cli::CheckLimitDate("tomorrow", model), "");
  // Asar 2082 has a 32nd day only in the published calendar.
  EXPECT_EQ(cli::CheckLimitDate("2082/03/32", model),
            "\"2082/03/32\" is no day of the model calendar (see --calendar)");
  EXPECT_EQ(cli::CheckLimitDate("2082/03/32", published), "");
  EXPECT_TRUE(cli::LimitsCross("2081/05/01", "2081/04/30", model));
  EXPECT_FALSE(cli::LimitsCross("2081/04/30", "2081/04/30", model));
  EXPECT_FALSE(cli::LimitsCross("", "2081/04/30", model));
  EXPECT_TRUE(cli::LimitsCross("2082/04/01", "2082/03/32", published));
}

}  // namespace
}  // namespace sauramiti::terminal
