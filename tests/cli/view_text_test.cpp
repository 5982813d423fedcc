// The month view as text, checked against the control's own child controls: every caption of the
// grid must appear in the row and column of its cell, columns must line up by display width, and
// the bracketed day must be the one cell with the selected look.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <terminal/ansi_text.hpp>
#include <terminal/display_width.hpp>
#include <terminal/view_layout.hpp>
#include <terminal/view_picture.hpp>
#include <vector>

namespace sauramiti::terminal {
namespace {

// A control showing BS year/month with `day` selected, on a host whose clock says 14 April 2002.
struct ShownMonth {
  headless::HeadlessHost host;
  Sauramiti control{host};

  ShownMonth(std::int16_t year, std::int16_t month, std::int16_t day, bool vertical, bool english) {
    host.SetToday({2002, 4, 14});
    control.Initialize();
    control.InitProperties();
    if (!english) control.English(0);
    if (!vertical) control.Vertical(0);
    const std::int16_t weekday = control.GetWeekDay(year, month, day);
    char value[32];
    std::snprintf(value, sizeof value, "%04d/%02d/%02d/%d", year, month, day, weekday);
    control.Value(value);
  }

  const view::ChildControls& Children() const { return control.Children(); }
};

// A word of a rendered line: its text and the display column just past its end.
struct Word {
  std::string text;
  std::size_t endColumn;
  bool bracketed;
};

std::vector<Word> WordsOf(const std::string& line) {
  std::vector<Word> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '[' || line[i] == ']') {
      ++i;
      continue;
    }
    const std::size_t begin = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '[' && line[i] != ']') ++i;
    const std::size_t before = line.find_last_not_of(' ', begin == 0 ? 0 : begin - 1);
    const bool bracketed = begin > 0 && before != std::string::npos && line[before] == '[' &&
                           i < line.size() && line[i] == ']';
    words.push_back({line.substr(begin, i - begin), DisplayWidth(line.substr(0, i)), bracketed});
  }
  return words;
}

std::vector<std::string> RenderPlain(const ViewPicture& picture) {
  std::ostringstream out;
  WriteStyledLines(out, LayOutView(picture, {}), /*withColor=*/false);
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Shown(const std::string& caption, bool english) {
  return english ? caption : view::LegacyFontToUnicode(caption);
}

// Checks the grid rows of `lines` against the control. In the vertical arrangement row r is
// weekday r and a column is a week; in the horizontal one row r is week r and a column a weekday.
void ExpectGridMatchesControl(const std::vector<std::string>& lines, const ShownMonth& shown,
                              bool vertical, bool english, std::string_view name) {
  const view::ChildControls& children = shown.Children();
  const std::size_t firstRow = vertical ? 4 : 5;
  const std::size_t rows = vertical ? 7 : 5;
  ASSERT_EQ(lines.size(), firstRow + rows) << name;

  // Columns are told apart by where their words end; every column must end in one place.
  std::set<std::size_t> ends;
  std::vector<std::vector<Word>> rowWords;
  for (std::size_t r = 0; r < rows; ++r) {
    std::vector<Word> words = WordsOf(lines[firstRow + r]);
    if (vertical) {
      ASSERT_FALSE(words.empty()) << name;
      EXPECT_EQ(words.front().text, Shown(children.lblWD[r]->Caption(), english)) << name;
      words.erase(words.begin());
    }
    for (const Word& word : words) ends.insert(word.endColumn);
    rowWords.push_back(std::move(words));
  }
  const std::size_t columns = vertical ? 5 : 7;
  ASSERT_EQ(ends.size(), columns) << name << ": the day numbers do not line up";
  const std::vector<std::size_t> columnEnds(ends.begin(), ends.end());

  std::map<std::size_t, std::string> shownCaptions;  // cell -> caption on the screen
  int bracketedCell = -1;
  for (std::size_t r = 0; r < rows; ++r) {
    for (const Word& word : rowWords[r]) {
      const auto column = static_cast<std::size_t>(
          std::find(columnEnds.begin(), columnEnds.end(), word.endColumn) - columnEnds.begin());
      const std::size_t cell = vertical ? column * 7 + r : r * 7 + column;
      shownCaptions[cell] = word.text;
      if (word.bracketed) bracketedCell = static_cast<int>(cell);
    }
  }
  int selectedCell = -1;
  for (std::size_t cell = 0; cell < view::kDayCellCount; ++cell) {
    const std::string caption = Shown(children.lblDay[cell]->Caption(), english);
    const auto found = shownCaptions.find(cell);
    EXPECT_EQ(found == shownCaptions.end() ? std::string() : found->second, caption)
        << name << ": cell " << cell;
    if (children.lblDay[cell]->S3() == 0) selectedCell = static_cast<int>(cell);
  }
  EXPECT_EQ(bracketedCell, selectedCell) << name;

  if (!vertical) {
    // Each header stands over its column and ends where the day numbers end.
    const std::vector<Word> headers = WordsOf(lines[4]);
    ASSERT_EQ(headers.size(), 7U) << name;
    for (std::size_t i = 0; i < 7; ++i) {
      EXPECT_EQ(headers[i].text, Shown(children.lblWD[i]->Caption(), english)) << name;
      EXPECT_EQ(headers[i].endColumn, columnEnds[i]) << name << ": header " << i;
    }
  }
}

struct MonthCase {
  std::string_view name;
  std::int16_t year, month, day;
  bool vertical;
  bool english;
};

TEST(ViewTextTest, GridShowsTheControlsCellsInItsArrangement) {
  const std::initializer_list<MonthCase> cases = {
      {"vertical, month from a Sunday", 2059, 1, 18, true, true},
      {"horizontal, month from a Sunday", 2059, 1, 18, false, true},
      {"vertical, 32 days wrapping to the front", 2059, 3, 32, true, true},
      {"horizontal, 32 days wrapping to the front", 2059, 3, 1, false, true},
      {"vertical Nepali", 2081, 9, 14, true, false},
      {"horizontal Nepali", 2081, 9, 7, false, false},
      {"far year", 9999, 12, 31, false, true},
  };
  for (const MonthCase& c : cases) {
    const ShownMonth shown(c.year, c.month, c.day, c.vertical, c.english);
    const Script script = c.english ? Script::AsStored : Script::Devanagari;
    const ViewPicture picture = TakeViewPicture(shown.Children(), shown.control.Vertical(), script);
    EXPECT_EQ(picture.arrangement, c.vertical ? Arrangement::Vertical : Arrangement::Horizontal)
        << c.name;
    const std::vector<std::string> lines = RenderPlain(picture);
    ExpectGridMatchesControl(lines, shown, c.vertical, c.english, c.name);

    const view::ChildControls& children = shown.Children();
    EXPECT_EQ(lines[0], Shown(children.Label1->Caption(), c.english)) << c.name;
    EXPECT_EQ(lines[1], Shown(children.Label2->Caption(), c.english)) << c.name;
    const std::vector<Word> lists = WordsOf(lines[2]);
    ASSERT_EQ(lists.size(), 4U) << c.name;
    EXPECT_EQ(lists[0].text, Shown(children.cboYear->Text(), c.english)) << c.name;
    EXPECT_EQ(lists[2].text, Shown(children.CBoMonth->Text(), c.english)) << c.name;
    for (const std::string& line : lines) {
      EXPECT_TRUE(line.empty() || line.back() != ' ') << c.name << ": blanks at the end";
    }
  }
}

TEST(ViewTextTest, ArrangementFollowsTheHeadersPlaces) {
  ShownMonth shown(2059, 1, 1, /*vertical=*/true, /*english=*/true);
  // A Vertical value other than 0 and -1 leaves the headers where the last pass put them.
  shown.control.Vertical(5);
  EXPECT_EQ(TakeViewPicture(shown.Children(), 5, Script::AsStored).arrangement,
            Arrangement::Vertical);
  shown.control.Vertical(0);
  EXPECT_EQ(TakeViewPicture(shown.Children(), 0, Script::AsStored).arrangement,
            Arrangement::Horizontal);

  // Headers that were never placed: the property decides.
  headless::HeadlessHost host;
  const Sauramiti created(host);
  EXPECT_EQ(TakeViewPicture(created.Children(), 0, Script::AsStored).arrangement,
            Arrangement::Horizontal);
  EXPECT_EQ(TakeViewPicture(created.Children(), 7, Script::AsStored).arrangement,
            Arrangement::Vertical);
}

TEST(ViewTextTest, ADisabledControlShowsAnEmptyView) {
  ShownMonth shown(2059, 1, 1, true, true);
  shown.control.Enabled(0);
  const std::vector<std::string> lines =
      RenderPlain(TakeViewPicture(shown.Children(), -1, Script::AsStored));
  for (const std::string& line : lines) {
    for (const Word& word : WordsOf(line)) {
      EXPECT_EQ(word.text, "\u25BE") << "only the lists' marks remain: " << line;
    }
  }
}

TEST(ViewTextTest, ColoursReplaceTheBrackets) {
  const ShownMonth shown(2059, 1, 7, false, true);  // day 7: a Saturday, red when selected
  const ViewPicture picture = TakeViewPicture(shown.Children(), 0, Script::AsStored);
  LayoutOptions colored;
  colored.bracketSelection = false;
  std::ostringstream out;
  WriteStyledLines(out, LayOutView(picture, colored), /*withColor=*/true);
  const std::string text = out.str();
  EXPECT_EQ(text.find("[ 7]"), std::string::npos);
  // Bold, bright red text on grey: the selected look of a weekend day.
  EXPECT_NE(text.find("\x1b[1;91;100m  7 \x1b[0m"), std::string::npos) << text;

  std::ostringstream plain;
  WriteStyledLines(plain, LayOutView(picture, colored), /*withColor=*/false);
  EXPECT_EQ(plain.str().find('\x1b'), std::string::npos);
}

TEST(ViewTextTest, FocusIsShownInReverse) {
  const ShownMonth shown(2059, 1, 7, true, true);
  LayoutOptions options;
  options.focusCell = 20;
  const std::vector<StyledLine> lines =
      LayOutView(TakeViewPicture(shown.Children(), -1, Script::AsStored), options);
  std::vector<std::string> reversed;
  for (const StyledLine& line : lines) {
    for (const Span& span : line) {
      if (span.style.reverse) reversed.push_back(span.text);
    }
  }
  EXPECT_EQ(reversed, std::vector<std::string>{" 21 "});
}

struct WidthCase {
  std::string_view name;
  std::string_view text;
  std::size_t width;
};

TEST(DisplayWidthTest, CombiningMarksTakeNoColumnAndWideCharactersTwo) {
  const std::initializer_list<WidthCase> cases = {
      {"ASCII", "Sunday", 6},
      {"division sign", "2059÷01", 7},
      {"vowel signs below and above", "गुरु", 2},
      {"virama", "क्ष", 2},
      {"anusvara", "मंगल", 3},
      {"Devanagari digits", "२०८१", 4},
      {"wide characters", "日本", 4},
      {"a control character", "a\tb", 2},
      {"a stray byte", "a\xFF", 2},
      {"a cut-off sequence", "\xE0\xA4", 2},
  };
  for (const WidthCase& c : cases) {
    EXPECT_EQ(DisplayWidth(c.text), c.width) << c.name;
  }
  EXPECT_EQ(PadLeft("गुरु", 4), "  गुरु");
  EXPECT_EQ(PadRight("गुरु", 3), "गुरु ");
  EXPECT_EQ(PadLeft("Sunday", 3), "Sunday");
}

}  // namespace
}  // namespace sauramiti::terminal
