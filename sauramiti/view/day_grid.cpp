#include <algorithm>
#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/base/utf8_text.hpp>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/chrono.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/platform/colors.hpp>
#include <sauramiti/view/date_limits.hpp>
#include <sauramiti/view/month_view.hpp>
#include <sauramiti/view/name_tables.hpp>
#include <string>

namespace sauramiti::view {

namespace {

constexpr platform::Color kBlack = 0x00000000U;
constexpr platform::Color kRed = 0x000000FFU;
constexpr platform::Color kYellow = 0x0000FFFFU;
constexpr platform::Color kBlue = 0x00FF0000U;

constexpr std::int16_t kSingleBorder = 1;  // S1
constexpr std::int16_t kCentred = 2;       // S2
constexpr std::int16_t kRaised = 1;        // S3
constexpr std::int16_t kFlat = 0;          // S3, the selected cell

// The weekday name as a header shows it.
std::string HeaderCaption(const std::string& name, std::int32_t weekDayStyle,
                          std::int16_t english) {
  if (weekDayStyle != wkdShort) return name;
  // Short names: English names keep their first three letters; every Nepali-font name ends in
  // the three characters "jf/", which are dropped. A non-zero English other than -1 takes the
  // Nepali rule although the names are English ("Tues", "Wednes").
  if (english == -1) return std::string(CharLeft(name, 3));
  return std::string(CharDropRight(name, 3));
}

// "April/May 2002", "December 2002/January 2003" or "May 2002": the Gregorian months from
// `first` to `last`, in the current language's names. The Nepali names are texts for the legacy
// Nepali font, where "/" is the letter ra: there the months are joined by "-", which that font
// draws as itself ("मे-जुन २००२").
std::string MonthsBetween(std::chrono::year_month_day first, std::chrono::year_month_day last,
                          std::int16_t english) {
  const auto name = [](std::chrono::year_month_day d) {
    return SauramitiRoutine::EnglishMonthNames[static_cast<unsigned>(d.month())];
  };
  const auto year = [](std::chrono::year_month_day d) {
    return std::to_string(static_cast<int>(d.year()));
  };
  const std::string join = english != 0 ? "/" : "-";
  if (first.year() != last.year())
    return name(first) + " " + year(first) + join + name(last) + " " + year(last);
  if (first.month() != last.month()) return name(first) + join + name(last) + " " + year(last);
  return name(first) + " " + year(first);
}

// With ShowGregorianDay on: the Gregorian day of the month in the corner of every filled cell,
// and the Gregorian months the BS month spans, for the second date panel. A month the typed
// date cannot place (outside its years) gets neither.
void ShowGregorianDays(ViewContext& view, std::int16_t year, std::int16_t month) {
  view.state.GregorianMonthsShown.clear();
  if (month < 1 || month > 12) return;
  const bs::calendar& cal = SauramitiRoutine::CalendarOfCode(view.state.Calendar);
  const bs::year_month_day first{year, static_cast<unsigned>(month), 1U};
  if (!first.ok(cal)) return;
  const std::chrono::sys_days day1 = bs::to_sys_days(first, cal);
  int lastDay = 0;
  for (std::size_t j = 0; j < ShownDayCells(view.state); ++j) {
    platform::Label& cell = *view.controls.lblDay[j];
    const int d = static_cast<int>(ParseLeadingNumber(cell.Caption()));
    if (cell.Caption().empty() || d < 1) continue;
    const std::chrono::year_month_day ad{day1 + std::chrono::days{d - 1}};
    cell.CornerText(std::to_string(static_cast<unsigned>(ad.day())));
    lastDay = std::max(lastDay, d);
  }
  if (lastDay == 0) return;
  view.state.GregorianMonthsShown = MonthsBetween(
      std::chrono::year_month_day{day1},
      std::chrono::year_month_day{day1 + std::chrono::days{lastDay - 1}}, view.state.English);
}

// The text colour of a day cell without the highlight: the weekdays' black, or on Saturday,
// Nepal's weekly holiday, the HolidayForeColor extension (black by default).
platform::Color CellForeColor(const ControlState& state, std::size_t cell) {
  return cell % 7 == 6 ? static_cast<platform::Color>(state.HolidayForeColor) : kBlack;
}

// Today's BS date as yyyymmdd, 0 when the typed date cannot place the host's day.
std::int32_t TodayKey(platform::Host& host) {
  const platform::LocalDate today = host.Today();
  if (today.year < 1) return 0;
  const std::chrono::year_month_day ad{std::chrono::year{today.year},
                                       std::chrono::month{static_cast<unsigned>(today.month)},
                                       std::chrono::day{static_cast<unsigned>(today.day)}};
  if (!ad.ok()) return 0;
  const bs::year_month_day date = bs::from_sys_days(std::chrono::sys_days{ad});
  if (!date.ok()) return 0;
  return DateKey(static_cast<int>(date.year()), static_cast<std::int32_t>(unsigned{date.month()}),
                 static_cast<std::int32_t>(unsigned{date.day()}));
}

// The extensions that mark the filled cells of BS month (year, month): days outside MinDate and
// MaxDate disabled (they keep their number, drawn disabled), today's cell outlined.
void MarkFilledCells(ViewContext& view, std::int16_t year, std::int16_t month) {
  const ControlState& state = view.state;
  const bool limited = HasDateLimits(state);
  const std::int32_t today = state.MarkToday != 0 ? TodayKey(view.host) : 0;
  if (!limited && today == 0) return;
  for (std::size_t j = 0; j < ShownDayCells(state); ++j) {
    platform::Label& cell = *view.controls.lblDay[j];
    if (!cell.Enabled()) continue;
    const auto day = static_cast<std::int32_t>(ParseLeadingNumber(cell.Caption()));
    if (limited && !WithinLimits(state, year, month, day)) cell.Enabled(false);
    if (today != 0 && DateKey(year, month, day) == today) cell.Outlined(true);
  }
}

}  // namespace

void ClearGrid(ViewContext& view, std::int16_t cellsEnabled) {
  const ChildControls& c = view.controls;
  for (const auto& header : c.lblWD) {
    header->S1(kSingleBorder);
    header->S3(kRaised);
    header->Caption(" ");
  }
  if (view.host.Enabled()) ShowWeekdayHeaders(view);
  const std::string& fontName = SauramitiRoutine::DisplayFontName;
  for (std::size_t j = 0; j < ShownDayCells(view.state); ++j) {
    platform::Label* const cell = c.lblDay[j].get();
    cell->S2(kCentred);
    cell->S3(kRaised);
    cell->S1(kSingleBorder);
    if (!fontName.empty()) cell->FontName(fontName);
    cell->Caption("");
    cell->Enabled(cellsEnabled != 0);
    cell->BackColor(platform::kButtonFaceColor);
    cell->ForeColor(CellForeColor(view.state, j));
    cell->ToolTipText("Click on the Desired Date");
    cell->CornerText("");
    cell->Outlined(false);
  }
}

void ShowWeekdayHeaders(ViewContext& view) {
  const ControlState& state = view.state;
  SauramitiRoutine::DisplayFontName = DisplayFont(state, state.English).name;
  for (std::size_t i = 0; i < kHeaderCount; ++i) {
    platform::Label& header = *view.controls.lblWD[i];
    const std::string& name = SauramitiRoutine::WeekdayNames[i + 1];
    header.FontName(SauramitiRoutine::DisplayFontName);
    header.ForeColor(kBlue);
    header.Caption(HeaderCaption(name, state.WeekDayStyle, state.English));
    header.ToolTipText(name);
  }
}

void FillMonthGrid(ViewContext& view, std::int16_t year, std::int16_t month) {
  const ChildControls& c = view.controls;
  const bs::calendar& cal = SauramitiRoutine::CalendarOfCode(view.state.Calendar);
  const std::int16_t firstWeekday = SauramitiRoutine::GetFirstWeekDay(cal, year, month);
  // Day 1 goes into the first row, in the column of its weekday.
  std::int16_t cell = Sub16(firstWeekday, 1);
  ClearGrid(view, -1);
  const std::int16_t days = SauramitiRoutine::GetDaysInMonth(cal, year, month, disNepali);
  // A month of up to 32 days starting in column 4, 5 or 6 runs past cell 34; those days wrap
  // into the first row, into cells before day 1, which are free. With six weeks (42 cells) the
  // last day lands at most in cell 6 + 31 = 37, so nothing wraps.
  const auto cells = static_cast<std::int16_t>(ShownDayCells(view.state));
  for (std::int16_t d = 1; d <= days; ++d) {
    DayCellAt(c, cell).Caption(std::to_string(d));
    cell = SauramitiRoutine::IntMod(Add16(cell, 1), cells);
  }
  for (std::int16_t j = 0; j < cells; ++j) {
    platform::Label& dayCell = DayCellAt(c, j);
    if (dayCell.Caption().empty()) dayCell.Enabled(false);
  }
  MarkFilledCells(view, year, month);
  if (view.state.ShowGregorianDay != 0) ShowGregorianDays(view, year, month);
}

void SelectCell(ViewContext& view, std::int16_t cell) {
  SetCellHighlight(view, view.state.SelectedCell, 0);
  SetCellHighlight(view, cell, -1);
  view.state.SelectedCell = cell;
}

void SetCellHighlight(ViewContext& view, std::int16_t cell, std::int16_t selected) {
  // A cell of the sixth week is out of range while SixWeeks hides it, as in the original grid.
  if (cell >= 0 && static_cast<std::size_t>(cell) >= ShownDayCells(view.state)) {
    Raise(kSubscriptOutOfRange);
  }
  platform::Label& label = DayCellAt(view.controls, cell);
  if (selected == -1) {
    const std::int16_t column = static_cast<std::int16_t>(cell % 7);
    const bool weekend = column == 0 || column == 6;
    label.S3(kFlat);
    label.BackColor(platform::kButtonShadowColor);
    label.ForeColor(weekend ? kRed : kYellow);
  } else {
    label.S3(kRaised);
    label.BackColor(platform::kButtonFaceColor);
    label.ForeColor(CellForeColor(view.state, static_cast<std::size_t>(cell)));  // cell >= 0 here
  }
}

}  // namespace sauramiti::view
