// `sauramiti cal`: one BS month drawn as the control's view fills it.
//
// The month is not worked out here. A control instance on the headless host, its clock fixed to
// today, is asked to show the month, and its child controls are then drawn as text
// (terminal/view_layout.hpp): the panels, the lists, the headers and the day cells with the
// control's own captions and its highlight of the selected day.
//
// Which month and day: without YEAR, the current month with today selected; with YEAR alone, the
// current month's namesake in that year; with YEAR and MONTH, that month. The selected day is
// today when the month shown is the current month, and day 1 otherwise; the control selects it
// through its Value, as a host would. A year outside the control's year list (MinYear to
// MaxYear) widens the list, so the list can show it.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <sauramiti/platform/host.hpp>

namespace sauramiti::cli {

struct CalendarOptions {
  std::optional<std::int16_t> year;   // BS year, 1 to 9999
  std::optional<std::int16_t> month;  // 1 to 12; only with a year
  bool horizontal = false;
  bool nepali = false;  // Nepali names and digits, drawn as Unicode Devanagari
  bool color = false;   // mark the selected day by colours instead of brackets
};

// Draws the month for the local date `today`. A month the calendar cannot show raises
// RuntimeError (the control's own error) or std::invalid_argument (no such month).
void WriteMonthCalendar(std::ostream& out, const CalendarOptions& options,
                        platform::LocalDate today);

}  // namespace sauramiti::cli
