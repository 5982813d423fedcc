// `sauramiti cal`: BS months drawn as the control's view fills them.
//
// The months are not worked out here. A control instance on the headless host, its clock fixed
// to today, is asked to show each month, and its child controls are then drawn as text
// (terminal/view_layout.hpp): the panels, the lists, the headers and the day cells with the
// control's own captions and its highlight of the selected day.
//
// One month (the default): without YEAR, the current month with today selected; with YEAR and
// MONTH, that month. The selected day is today when the month shown is the current month, and
// day 1 otherwise; the control selects it through its Value, as a host would. A year outside
// the control's year list (MinYear to MaxYear) widens the list, so the list can show it.
//
// Several months (a whole YEAR, or the previous, current and next month around the current or
// the given month): each month is its grid under a title (the month list's text, and the year
// list's text where the months are not all of one year), set three across, or as many as fit
// into `width` columns. Only today is marked there: the selected look, day 1 of every month but
// the current one, would mean nothing. A month before year 1 or after 9999 is left out.
//
// Today's cell is marked in reverse video where colours are shown, between brackets otherwise
// (where it is also the selected day of a single month).
//
// As JSON, always an array of the months shown (calendar_json.hpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <sauramiti/platform/host.hpp>

namespace sauramiti::cli {

enum class CalendarPage { OneMonth, ThreeMonths, WholeYear };

struct CalendarOptions {
  std::optional<std::int16_t> year;            // BS year, 1 to 9999
  std::optional<std::int16_t> month;           // 1 to 12; only with a year
  CalendarPage page = CalendarPage::OneMonth;  // WholeYear needs a year
  bool horizontal = false;
  bool sixWeeks = false;
  bool gregorianDays = false;  // the ShowGregorianDay extension  // the SixWeeks extension: six
                               // weeks of day cells, no day wraps
  std::optional<std::int32_t> holidayColor;  // HolidayForeColor: Saturdays' colour
  bool nepali = false;                       // Nepali names and digits, drawn as Unicode Devanagari
  bool legacy = false;  // in Nepali, the captions as the control stores them (legacy-font ASCII)
  bool color = false;   // mark the selected day by colours instead of brackets
  bool json = false;
  std::size_t width = 0;      // columns for several months side by side; 0 for no limit
  std::int16_t calendar = 0;  // the control's Calendar: 0 the model, 1 the published calendar
};

// Draws the months for the local date `today`. A month the calendar cannot show raises
// RuntimeError (the control's own error) or std::invalid_argument (no such month).
void WriteMonthCalendar(std::ostream& out, const CalendarOptions& options,
                        platform::LocalDate today);

}  // namespace sauramiti::cli
