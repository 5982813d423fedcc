// BS dates as text, and text as BS dates.
//
// Examples:
//   bs::to_string({2081, 9, 15})                          // "2081-09-15"
//   bs::parse("2081/09/15")                               // 2081/09/15
//   bs::parse("२०८१-०९-१५")                               // 2081/09/15
//   bs::parse("2081-13-01")                               // nullopt
//   bs::format({2081, 9, 15}, "%d %B %Y, %A")             // "15 Poush 2081, Monday"
//   bs::format({2081, 9, 15}, "%d %B %Y, %A", bs::locale::nepali)
//                                                         // "१५ पौष २०८१, सोमवार"
//
// parse takes year, month and day in that order, separated by one of "-", "/" or "." (the same
// both times), each written with ASCII digits or with Devanagari digits (one kind for the whole
// text): a year of 1 to 4 digits, a month and a day of 1 or 2. It gives a value only for a day
// of the calendar: 2081-13-01 and 2081-09-33 are refused, never rolled over, and so is anything
// around the date (blanks included).
//
// format writes the pattern with these fields in place:
//   %Y  the year, at least 4 digits     %m  the month, 2 digits     %d  the day, 2 digits
//   %e  the day without a leading zero  %B  the month's name        %A  the weekday's name
//   %F  the same as %Y-%m-%d            %%  a "%"
// Any other "%" sequence is copied as it stands. In Nepali, the fields' digits and names are
// Devanagari (Unicode, UTF-8); the names are those the control shows, the same single list of
// names in both places. A date that is not ok() has no weekday: %A writes nothing for it, and
// %B nothing for a month outside 1 to 12.
#pragma once

#include <optional>
#include <sauramiti/chrono/year_month_day.hpp>
#include <string>
#include <string_view>

namespace sauramiti::bs {

enum class locale { english, nepali };

// "yyyy-mm-dd": the year with at least four digits, month and day with two.
[[nodiscard]] std::string to_string(const year_month_day& date);

// The date written in `text` (above), or nothing.
[[nodiscard]] std::optional<year_month_day> parse(std::string_view text,
                                                  const calendar& cal = calendar::model);

// `pattern` with its fields filled in (above).
[[nodiscard]] std::string format(const year_month_day& date, std::string_view pattern,
                                 locale language = locale::english,
                                 const calendar& cal = calendar::model);

}  // namespace sauramiti::bs
