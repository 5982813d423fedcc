// `sauramiti cal --json`: the months shown, as one JSON array for programs.
//
// Always an array, one object a month in the order shown, whatever the page (one month, three,
// a whole year), so a reader handles every page alike:
//
//   [
//     {"year": 2081, "month": 9, "name": "Poush", "days": 29, "firstWeekday": 2,
//      "firstDayAD": "2024-12-16", "today": null,
//      "weeks": [[null, 1, 2, 3, 4, 5, 6], [7, 8, 9, 10, 11, 12, 13], ...]}
//   ]
//
// "name" is the month list's text (Devanagari with --nepali, the stored bytes with --legacy);
// "firstWeekday" is the control's weekday code of day 1 (1 Sunday ... 7 Saturday);
// "firstDayAD" the Gregorian date of day 1 as yyyy-mm-dd (in the Julian calendar before 15
// October 1582, as the control gives it); "today" the day of the month that is today, or null.
// "weeks" are calendar weeks from Sunday to Saturday, null outside the month: unlike the
// control's grid of 35 cells, which folds a sixth week back into its first row, a week here is
// always a true week.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace sauramiti::cli {

struct MonthFacts {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::string name;
  std::int16_t days = 0;
  std::int16_t firstWeekday = 1;  // 1 Sunday ... 7 Saturday
  std::string firstDayAd;
  std::optional<std::int16_t> today;
};

void WriteCalendarJson(std::ostream& out, const std::vector<MonthFacts>& months);

}  // namespace sauramiti::cli
