// The month view: everything the control shows, redrawn from the control's state.
//
// The view shows the selected BS month as a grid of 35 day cells (day d of a month whose first
// day falls on weekday w sits in cell (w - 1 + d - 1) mod 35, so days 30 to 32 of a month that
// starts late in the week wrap into the free cells at the start of the first row), seven weekday
// headers, a year list, a month list and two date panels. It keeps no model of its own beyond
// the index of the highlighted cell (ControlState::SelectedCell) and the Gregorian panel title.
//
// "The control is enabled" means the host's enabled state of the surface at the moment of the
// test. A disabled control shows blank headers, empty disabled cells, empty panels and empty list
// texts.
//
// Looks (colours in the platform's encoding): headers blue text on the button face; day cells
// black on the button face; the selected cell on the button shadow, its number yellow on weekdays
// and red on Sunday and Saturday. Each header and cell also carries three style values: S1 = 1
// (a single fixed border), S2 = 2 (centred, day cells) and S3 = 1 (raised); the selected cell
// alone is flat (S3 = 0).
//
// Fonts are applied by name only: the name of the English or the Nepali font object, kept in
// the module-level DisplayFontName, which every instance on the thread shares.
//
// Errors raised by the calendar procedures or by ApplySelectedDate end the running operation and
// the refresh that called it; what was drawn before stays.
#pragma once

#include <cstdint>
#include <functional>
#include <sauramiti/base/font.hpp>
#include <sauramiti/platform/host.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <sauramiti/view/control_state.hpp>
#include <string>

namespace sauramiti::SauramitiRoutine {
// Name of the display font last applied by any instance; empty until the first one.
extern std::string DisplayFontName;
}  // namespace sauramiti::SauramitiRoutine

namespace sauramiti::view {

// What the view works on: the surface, the children and the instance record. The view recomputes
// the selected date through `applySelectedDate`, which the control provides (it rereads `Value`
// and rewrites every field derived from it).
struct ViewContext {
  platform::Host& host;
  const ChildControls& controls;
  ControlState& state;
  std::function<void()> applySelectedDate;
};

// The day cells in use: 42 with SixWeeks on, the original 35 otherwise.
std::size_t ShownDayCells(const ControlState& state);

// Calendar tables, arrangement, name tables, an empty grid; then, when enabled, panel titles,
// headers, both lists and the selected date.
void RefreshView(ViewContext& view);

// Headers blanked (refilled with names when enabled), every day cell empty, reset to the normal
// look and enabled as `cellsEnabled` says.
void ClearGrid(ViewContext& view, std::int16_t cellsEnabled);

void ShowPanelTitles(ViewContext& view);

// Weekday names in the headers: whole for the long style (any non-zero style); for the short
// style the first three characters when English is exactly -1, otherwise the name without its
// last three characters (the Nepali ending "jf/").
void ShowWeekdayHeaders(ViewContext& view);

// MinYear to MaxYear in the year list, MaxYear read as a number (error 13 when it is not one,
// after the list was emptied). The years are counted in 16 bits: a MaxYear beyond 32767 appends
// the years up to 32767 and then fails with error 6 instead of running on.
void FillYearList(ViewContext& view);

// The twelve month names; the list's text shows the selected month's name (error 9 for a month
// outside 0 to 12, after the names were appended).
void FillMonthList(ViewContext& view);

// Applies `Value`, then shows its year, month, grid, highlighted day and date panels.
void ShowSelectedDate(ViewContext& view);

// The days of BS month (year, month) in the grid; cells without a day are disabled.
void FillMonthGrid(ViewContext& view, std::int16_t year, std::int16_t month);

// Moves the highlight from the remembered cell to `cell` (error 9 outside 0 to 34).
void SelectCell(ViewContext& view, std::int16_t cell);

// The selected look when `selected` is exactly -1, the normal look otherwise.
void SetCellHighlight(ViewContext& view, std::int16_t cell, std::int16_t selected);

// The literal BS date in Label1 and the long Gregorian date in Label2.
void ShowDatePanels(ViewContext& view);

// Every child enabled or disabled, and every caption and list text emptied.
void ApplyEnabled(ViewContext& view, std::int16_t enabled);

// The English font when `english` is non-zero, the Nepali font otherwise; a missing font object
// is run-time error 91 (object not set).
const Font& DisplayFont(const ControlState& state, std::int16_t english);

}  // namespace sauramiti::view
