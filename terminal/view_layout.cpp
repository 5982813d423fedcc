#include <algorithm>
#include <string_view>
#include <terminal/display_width.hpp>
#include <terminal/view_layout.hpp>

namespace sauramiti::terminal {

namespace {

constexpr std::string_view kListMark = " \u25BE";  // " ▾"
constexpr std::string_view kAsciiListMark = " v";
constexpr std::size_t kNarrowestDay = 2;  // room for "32"
constexpr std::size_t kListGap = 2;

Span Blanks(std::size_t count) { return Span{std::string(count, ' '), {}}; }

TextStyle LabelStyle(const LabelPicture& label) {
  TextStyle style;
  style.fore = TermColorOf(label.foreColor);
  style.dim = !label.enabled;
  return style;
}

class GridWriter {
 public:
  GridWriter(const ViewPicture& picture, const LayoutOptions& options)
      : picture_(picture), options_(options) {
    for (const LabelPicture& day : picture.days) {
      dayWidth_ = std::max(dayWidth_, DisplayWidth(day.text));
      cornerWidth_ = std::max(cornerWidth_, DisplayWidth(day.corner));
    }
    // A terminal has no small type: the Gregorian day follows the BS one after a middle dot,
    // and the cell widens to hold it ("15·28").
    if (cornerWidth_ > 0) dayWidth_ += 1 + std::max(cornerWidth_, kNarrowestDay);
    for (const LabelPicture& header : picture.headers) {
      headerWidth_ = std::max(headerWidth_, DisplayWidth(header.text));
    }
  }

  // Columns from the left edge of the grid to the right edge of its last cell.
  std::size_t Width() const {
    if (picture_.arrangement == Arrangement::Horizontal) return 7 * HorizontalColumn() + 6;
    return headerWidth_ + 1 + Weeks() * DayCellWidth() + Weeks() - 1;
  }

  void Append(std::vector<StyledLine>& lines) const {
    if (picture_.arrangement == Arrangement::Horizontal) {
      AppendHorizontal(lines);
    } else {
      AppendVertical(lines);
    }
  }

 private:
  std::size_t DayCellWidth() const { return dayWidth_ + 2; }
  std::size_t Weeks() const { return picture_.days.size() / 7; }  // 5, or 6 with a sixth week
  // A horizontal column holds a header right-aligned over the day numbers, whose closing mark
  // column stays free of it.
  std::size_t HorizontalColumn() const { return std::max(headerWidth_ + 1, DayCellWidth()); }

  Span HeaderSpan(std::size_t i, std::string text) const {
    TextStyle style = LabelStyle(picture_.headers[i]);
    style.bold = true;
    return Span{std::move(text), style};
  }

  Span DaySpan(std::size_t j) const {
    const LabelPicture& day = picture_.days[j];
    const bool selected = options_.showSelection && day.selectedLook;
    const bool today = day.outlined || (options_.todayCell >= 0 &&
                                        static_cast<std::size_t>(options_.todayCell) == j);
    const bool brackets = options_.bracketSelection && (selected || today);
    std::string text = brackets ? "[" : " ";
    text += PadLeft(day.corner.empty() ? day.text : day.text + "\u00B7" + PadLeft(day.corner, 2),
                    dayWidth_);
    text += brackets ? "]" : " ";
    TextStyle style;
    if (selected && !options_.bracketSelection) {
      style.fore = TermColorOf(day.foreColor);
      style.back = TermColorOf(day.backColor);
      style.bold = true;
    } else if (!day.enabled && !day.text.empty()) {
      style.dim = true;
    } else if (!options_.bracketSelection && day.foreColor != 0) {
      style.fore = TermColorOf(day.foreColor);  // a Saturday in the HolidayForeColor
    }
    const bool focused =
        options_.focusCell >= 0 && static_cast<std::size_t>(options_.focusCell) == j;
    style.reverse = focused || (today && !options_.bracketSelection);
    return Span{std::move(text), style, static_cast<int>(j)};
  }

  void AppendHorizontal(std::vector<StyledLine>& lines) const {
    const std::size_t column = HorizontalColumn();
    StyledLine headers;
    for (std::size_t i = 0; i < view::kHeaderCount; ++i) {
      if (i > 0) headers.push_back(Blanks(1));
      headers.push_back(HeaderSpan(i, PadLeft(picture_.headers[i].text, column - 1)));
      headers.push_back(Blanks(1));
    }
    lines.push_back(std::move(headers));
    for (std::size_t week = 0; week < Weeks(); ++week) {
      StyledLine row;
      for (std::size_t weekday = 0; weekday < view::kHeaderCount; ++weekday) {
        row.push_back(Blanks((weekday > 0 ? 1 : 0) + column - DayCellWidth()));
        row.push_back(DaySpan(week * 7 + weekday));
      }
      lines.push_back(std::move(row));
    }
  }

  void AppendVertical(std::vector<StyledLine>& lines) const {
    for (std::size_t weekday = 0; weekday < view::kHeaderCount; ++weekday) {
      StyledLine row;
      row.push_back(HeaderSpan(weekday, PadRight(picture_.headers[weekday].text, headerWidth_)));
      for (std::size_t week = 0; week < Weeks(); ++week) {
        row.push_back(Blanks(1));
        row.push_back(DaySpan(week * 7 + weekday));
      }
      lines.push_back(std::move(row));
    }
  }

  const ViewPicture& picture_;
  const LayoutOptions& options_;
  std::size_t dayWidth_ = kNarrowestDay;
  std::size_t headerWidth_ = 1;
  std::size_t cornerWidth_ = 0;
};

StyledLine PanelLine(const LabelPicture& panel, bool bold) {
  TextStyle style = LabelStyle(panel);
  style.bold = bold;
  return StyledLine{Span{panel.text, style}};
}

StyledLine ListsLine(const ViewPicture& picture, std::size_t gridWidth,
                     const LayoutOptions& options) {
  using FocusedList = LayoutOptions::FocusedList;
  TextStyle style;
  style.bold = true;
  style.dim = !picture.listsEnabled;
  TextStyle yearStyle = style, monthStyle = style;
  yearStyle.reverse = options.focusedList == FocusedList::Year;
  monthStyle.reverse = options.focusedList == FocusedList::Month;
  const std::string_view mark = options.asciiOnly ? kAsciiListMark : kListMark;
  const std::string year = picture.yearText + std::string(mark);
  const std::string month = picture.monthText + std::string(mark);
  const std::size_t yearWidth = DisplayWidth(year);
  const std::size_t half = gridWidth / 2;
  return StyledLine{Span{year, yearStyle},
                    Blanks(yearWidth + kListGap <= half ? half - yearWidth : kListGap),
                    Span{month, monthStyle}};
}

// Whether blanks in this look can be seen: on a background, reversed or underlined.
bool ShowsOnBlanks(const TextStyle& style) {
  return style.back != TermColor::Default || style.reverse || style.underline;
}

// Drops blanks at the end of a line where no look needs them.
void TrimEnd(StyledLine& line) {
  while (!line.empty() && !ShowsOnBlanks(line.back().style)) {
    std::string& text = line.back().text;
    const std::size_t end = text.find_last_not_of(' ');
    if (end != std::string::npos) {
      text.erase(end + 1);
      return;
    }
    line.pop_back();
  }
}

}  // namespace

std::vector<StyledLine> LayOutView(const ViewPicture& picture, const LayoutOptions& options) {
  const GridWriter grid(picture, options);
  std::vector<StyledLine> lines;
  lines.push_back(PanelLine(picture.bsPanel, /*bold=*/true));
  lines.push_back(PanelLine(picture.adPanel, /*bold=*/false));
  lines.push_back(ListsLine(picture, grid.Width(), options));
  lines.emplace_back();
  grid.Append(lines);
  for (StyledLine& line : lines) TrimEnd(line);
  return lines;
}

std::vector<StyledLine> LayOutGrid(const ViewPicture& picture, const LayoutOptions& options,
                                   const std::string& title) {
  const GridWriter grid(picture, options);
  TextStyle bold;
  bold.bold = true;
  const std::size_t titleWidth = DisplayWidth(title);
  const std::size_t indent = titleWidth < grid.Width() ? (grid.Width() - titleWidth) / 2 : 0;
  std::vector<StyledLine> lines;
  lines.push_back(StyledLine{Blanks(indent), Span{title, bold}});
  grid.Append(lines);
  for (StyledLine& line : lines) TrimEnd(line);
  return lines;
}

}  // namespace sauramiti::terminal
