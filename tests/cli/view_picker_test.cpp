// The month view drawn as text, checked against the control's own child controls, and the
// terminal picker's keys. The picker starts on 14 April 2002, BS 2059/01/01, a Sunday; Vaishaka
// 2059 has 31 days, Asadh 32 from a Saturday.
#include <gtest/gtest.h>

#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <set>
#include <sstream>
#include <string>
#include <terminal/ansi_text.hpp>
#include <terminal/display_width.hpp>
#include <terminal/picker.hpp>
#include <terminal/view_layout.hpp>
#include <terminal/view_picture.hpp>
#include <vector>

namespace sauramiti::terminal {
namespace {

// In the vertical arrangement grid row r is weekday r and a column is a week; in the horizontal
// one row r is a week. Every caption must stand in its cell's row, in order, every column must
// end at one display column, and the bracketed day must be the one with the selected look.
void ExpectGridMatchesControl(std::int16_t month, std::int16_t day, bool vertical) {
  headless::HeadlessHost host;
  host.SetToday({2002, 4, 14});
  Sauramiti control(host);
  control.Initialize();
  control.InitProperties();
  control.Vertical(vertical ? -1 : 0);
  char value[32];
  std::snprintf(value, sizeof value, "2059/%02d/%02d/%d", month, day,
                control.GetWeekDay(2059, month, day));
  control.Value(value);
  std::ostringstream out;
  const ViewPicture picture =
      TakeViewPicture(control.Children(), control.Vertical(), Script::AsStored);
  WriteStyledLines(out, LayOutView(picture, {}), /*withColor=*/false);
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  const std::size_t first = vertical ? 4 : 5, rows = vertical ? 7 : 5;
  ASSERT_EQ(lines.size(), first + rows);
  std::set<std::size_t> columnEnds;
  for (std::size_t r = 0; r < rows; ++r) {
    std::string want, got, line = lines[first + r];
    if (vertical) want = control.Children().lblWD[r]->Caption() + " ";
    for (std::size_t c = 0; c < (vertical ? 5u : 7u); ++c) {
      const auto& cell = control.Children().lblDay[vertical ? c * 7 + r : r * 7 + c];
      if (cell->Caption().empty()) continue;
      want += cell->S3() == 0 ? "[" + cell->Caption() + "] " : cell->Caption() + " ";
    }
    std::size_t words = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const bool wordEnds = line[i] != ' ' && line[i] != '[' && line[i] != ']' &&
                            (i + 1 == line.size() || line[i + 1] == ' ' || line[i + 1] == ']');
      if (wordEnds && (words++ > 0 || !vertical)) {
        columnEnds.insert(DisplayWidth(line.substr(0, i + 1)));
      }
    }
    for (std::istringstream split(line); split >> line;) got += line + " ";
    for (std::size_t at; (at = got.find("[ ")) != std::string::npos;) got.erase(at + 1, 1);
    EXPECT_EQ(got, want) << "row " << r;
  }
  EXPECT_LE(columnEnds.size(), vertical ? 5u : 7u) << "the day numbers do not line up";
}

TEST(ViewTextTest, GridShowsTheControlsCellsInItsArrangement) {
  for (const bool vertical : {true, false}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    ExpectGridMatchesControl(1, 18, vertical);
    ExpectGridMatchesControl(3, 32, vertical);  // the last days wrap to the front
  }
}

// Today's mark: brackets without looks, reverse video with them, and never the selected look's
// place when the selection is not shown.
TEST(ViewTextTest, TodayIsMarkedApartFromTheSelectedDay) {
  headless::HeadlessHost host;
  host.SetToday({2002, 4, 14});
  Sauramiti control(host);
  control.Initialize();
  control.InitProperties();
  control.Value("2059/01/05/5");  // selects day 5; today (day 1) is elsewhere
  const ViewPicture picture =
      TakeViewPicture(control.Children(), control.Vertical(), Script::AsStored);
  int today = -1, selected = -1;
  for (std::size_t j = 0; j < picture.days.size(); ++j) {
    if (picture.days[j].text == "1") today = static_cast<int>(j);
    if (picture.days[j].selectedLook) selected = static_cast<int>(j);
  }
  ASSERT_GE(today, 0);
  ASSERT_GE(selected, 0);
  struct Case {
    std::string name;
    bool brackets, showSelection;
    std::set<int> bracketed, reversed;
  };
  const std::vector<Case> cases = {
      {"plain", true, true, {today, selected}, {}},
      {"plain, several months", true, false, {today}, {}},
      {"looks", false, true, {}, {today}},
      {"looks, several months", false, false, {}, {today}},
  };
  for (const Case& c : cases) {
    LayoutOptions options;
    options.bracketSelection = c.brackets;
    options.showSelection = c.showSelection;
    options.todayCell = today;
    std::set<int> bracketed, reversed, drawn;
    for (const StyledLine& line : LayOutView(picture, options)) {
      for (const Span& span : line) {
        if (span.dayCell < 0) continue;
        drawn.insert(span.dayCell);
        if (span.text.starts_with('[')) bracketed.insert(span.dayCell);
        if (span.style.reverse) reversed.insert(span.dayCell);
        if (span.dayCell == selected && !c.brackets) {
          EXPECT_EQ(span.style.back != TermColor::Default, c.showSelection) << c.name;
        }
      }
    }
    for (std::size_t j = 0; j < picture.days.size(); ++j) {
      if (!picture.days[j].text.empty()) {
        EXPECT_TRUE(drawn.contains(static_cast<int>(j))) << c.name << ": cell " << j;
      }
    }
    EXPECT_EQ(bracketed, c.bracketed) << c.name;
    EXPECT_EQ(reversed, c.reversed) << c.name;
  }
}

TEST(PickerTest, KeysMoveTheCursorAndEnterPicksThroughTheControl) {
  using K = PickerKey;
  PickerSetup horizontal, dashes;
  horizontal.horizontal = true;
  dashes.separator = 1;
  struct Case {
    std::string name;
    PickerSetup setup;
    std::vector<K> keys;  // Enter follows
    std::string value;
  };
  PickerSetup wideYears, oneYear;
  wideYears.maxYear = 9999;
  wideYears.minYear = 1900;
  oneYear.minYear = 2059;
  oneYear.maxYear = 2059;
  const std::vector<K> fiftyYears(50, K::NextYear);
  const auto weekdayOf = [](std::int16_t y, std::int16_t m) {
    return std::to_string(SauramitiRoutine::GetWeekDay(y, m, 1));
  };
  // What the keys do is the navigator's (navigator_test); these are the picker's own setup and
  // that a key and Enter reach the control.
  // clang-format off
  const std::vector<Case> cases = {
      {"--max-year past the default", wideYears, fiftyYears, "2109/01/01/" + weekdayOf(2109, 1)},
      {"a one-year list stops the year", oneYear, {K::NextYear, K::PreviousYear}, "2059/01/01/1"},
      {"horizontal: down is the next week", horizontal, {K::Down}, "2059/01/08/1"},
      {"the control's separator", dashes, {K::Down}, "2059-01-02-2"},
  };
  // clang-format on
  for (const Case& c : cases) {
    Picker picker(c.setup, {2002, 4, 14});
    for (const K key : c.keys) ASSERT_EQ(picker.Press(key), PickerOutcome::Running) << c.name;
    ASSERT_EQ(picker.Press(K::Enter), PickerOutcome::Picked) << c.name;
    EXPECT_EQ(picker.Control().Value(), c.value) << c.name;
  }
  // A click on a day cell picks its day (the cells that take none are the navigator's).
  Picker clicked({}, {2002, 4, 14});
  int eighteenth = -1;
  for (int j = 0; j < 35; ++j) {
    if (clicked.Control().Children().lblDay[static_cast<std::size_t>(j)]->Caption() == "18") {
      eighteenth = j;
    }
  }
  EXPECT_EQ(clicked.ClickCell(eighteenth), PickerOutcome::Picked);
  EXPECT_EQ(clicked.Control().Value(), "2059/01/18/4");
}

// With the published calendar the picker starts on today's published date and walks the
// published months: Asar 2082 has 32 days there, so the day after 16 July 2025 is Shrawan 1.
TEST(PickerTest, ThePublishedCalendarsMonths) {
  PickerSetup published;
  published.calendar = 1;
  const struct {
    const char* name;
    PickerSetup setup;
    std::vector<PickerKey> keys;
    std::string value;
  } cases[] = {
      {"today, published", published, {}, "2082/03/32/4"},
      {"the next day, published", published, {PickerKey::Down}, "2082/04/01/5"},
      {"today, model", {}, {}, "2082/04/01/4"},
  };
  for (const auto& c : cases) {
    Picker picker(c.setup, {2025, 7, 16});
    for (const PickerKey key : c.keys) ASSERT_EQ(picker.Press(key), PickerOutcome::Running);
    ASSERT_EQ(picker.Press(PickerKey::Enter), PickerOutcome::Picked) << c.name;
    EXPECT_EQ(picker.Control().Value(), c.value) << c.name;
    EXPECT_EQ(picker.Control().DateAD().empty(), false) << c.name;
  }
}

}  // namespace
}  // namespace sauramiti::terminal
