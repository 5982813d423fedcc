// The days a user may pick: the MinDate and MaxDate extensions.
//
// A limit is written in the Value form without the weekday, "yyyy/mm/dd" (any of the separators
// "/", "-" and "." the typed date reads, ASCII or Devanagari digits), and is kept as that text
// with "/" and two-digit month and day, and as the number yyyymmdd that the view compares with.
// A limit names a day of the instance's calendar (the model or the published one); a change of
// calendar keeps the days and names them in the new one. The empty text sets no limit. Without
// limits every day is allowed, whatever it is, so the control behaves as it always did; with a
// limit only days of the calendar within it are.
#pragma once

#include <cstdint>
#include <sauramiti/chrono/calendar.hpp>
#include <sauramiti/view/control_state.hpp>
#include <string>

namespace sauramiti::view {

// A limit as the record keeps it: its text and its number (both empty / 0 for no limit).
struct DateLimit {
  std::string text;
  std::int32_t key = 0;
};

// The limit `text` names; error 13 (type mismatch) for a text that is not a day of `cal`.
DateLimit ParseDateLimit(const std::string& text, const bs::calendar& cal);

// Stores the limit `text` names as MinDate (`lower`) or MaxDate: error 13 as above, error 5 when
// it would lie after MaxDate or before MinDate; either error leaves the record as it was.
void StoreDateLimit(ControlState& state, bool lower, const std::string& text);

// After a change of the record's calendar from `previous`: each limit names the same day in the
// record's calendar, as the selected date does.
void RenameDateLimits(ControlState& state, const bs::calendar& previous);

// yyyymmdd of a day of the calendar (years 1 to 9999).
[[nodiscard]] std::int32_t DateKey(std::int32_t year, std::int32_t month,
                                   std::int32_t day) noexcept;

[[nodiscard]] bool HasDateLimits(const ControlState& state) noexcept;

// Whether the user may pick this day: always without limits; with one, only a day of the
// calendar within the limits.
[[nodiscard]] bool WithinLimits(const ControlState& state, std::int32_t year, std::int32_t month,
                                std::int32_t day) noexcept;

// Whether `year` holds a day within the limits (every year does without them).
[[nodiscard]] bool YearHasAllowedDay(const ControlState& state, std::int32_t year) noexcept;

// The allowed day nearest to the day of `key`: the lower limit below it, the upper one above
// it, the day itself within them.
[[nodiscard]] std::int32_t NearestAllowedKey(const ControlState& state, std::int32_t key) noexcept;

}  // namespace sauramiti::view
