// `sauramiti to-ad` and `sauramiti to-bs`: converting typed dates between the calendars.
//
// to-ad takes BS dates (typed_date.hpp; a weekday, if given, must be the date's own) and writes
// each as a Gregorian date text in the chosen separator and date style: 2059/01/01 gives
// "04/14/2002"; as with the control, days before 15 October 1582 come out in the Julian
// calendar. to-bs takes Gregorian dates of years 1 to 9999 and writes each as a BS Value
// string with the chosen separator: 2002-04-14 gives "2059/01/01/1".
//
// Dates come from the command line, or, when none are given, one a line from standard input
// (blanks around a date are ignored). A date that is malformed, does not exist, or lies beyond
// the calendar's range is reported on the error stream with the text as given; the others are
// still converted, and the command ends with status 1. When reading standard input, every input
// line gets exactly one output line - an empty one for a blank or failed line - so that output
// line N always answers input line N.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace sauramiti::cli {

enum class DateDirection { ToAd, ToBs };

struct DateOptions {
  std::int32_t separator = 0;  // 0 "/", 1 "-", 2 ".", 3 "÷"
  std::int32_t style = 0;      // to-ad only: 0 mm/dd/yyyy, 1 dd/mm/yyyy, 2 yyyy/mm/dd
};

// The converted text of one date, or, when `converted` is false, why it could not be.
struct DateConversion {
  bool converted = false;
  std::string text;
};

DateConversion ConvertTypedDate(DateDirection direction, std::string_view input,
                                const DateOptions& options);

// Converts the dates, or the lines of `in` when there are none; returns the exit status.
int RunDateConversion(DateDirection direction, std::span<const std::string> dates,
                      const DateOptions& options, std::istream& in, std::ostream& out,
                      std::ostream& err, bool flushEachLine);

}  // namespace sauramiti::cli
