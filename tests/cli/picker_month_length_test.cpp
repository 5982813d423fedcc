// The terminal picker knows a month's length from the typed date: for two years of months, End
// puts the cursor on a cell, and that cell shows the month's last day.
#include <gtest/gtest.h>

#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/chrono.hpp>
#include <terminal/picker.hpp>

namespace sauramiti::terminal {
namespace {

TEST(PickerMonthLengthTest, EndLandsOnTheLastDayTheGridShows) {
  for (const bool horizontal : {false, true}) {
    PickerSetup setup;
    setup.horizontal = horizontal;
    Picker picker(setup, {2002, 4, 14});
    for (int page = 0; page < 24; ++page) {
      picker.Press(PickerKey::End);
      const Sauramiti& control = picker.Control();
      const unsigned length =
          bs::days_in_month(control.year(), static_cast<unsigned>(control.month()));
      const int cell = picker.FocusCell();
      ASSERT_GE(cell, 0) << page;
      const auto& label = *control.Children().lblDay[static_cast<std::size_t>(cell)];
      EXPECT_EQ(ParseLeadingNumber(label.Caption()), length) << control.year() << "/" << page;
      picker.Press(PickerKey::PageDown);
    }
  }
}

}  // namespace
}  // namespace sauramiti::terminal
