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
//
// For scripts, --iso writes each result as an ISO 8601 date instead: to-ad "2002-04-14" (the
// proleptic Gregorian calendar, as ISO 8601 and std::chrono count, also before 1582), to-bs
// "2059-01-01". --json writes one JSON object a line (JSON Lines), for a converted date
//   {"input": "2059/01/01", "text": "04/14/2002",
//    "bs": {"year": 2059, "month": 1, "day": 1, "weekday": 1, "iso": "2059-01-01"},
//    "ad": {"year": 2002, "month": 4, "day": 14, "iso": "2002-04-14"}, "kali_ahargana": 1863913}
// ("text" is the line the command prints without --json, --iso respected; "weekday" is the
// control's code, 1 Sunday to 7 Saturday; "ad" is proleptic Gregorian), and for a date that
// fails {"input": "2059/13/01", "error": "..."} (the error goes to the error stream as well).
// Both directions convert exactly the dates they convert without these options.
#pragma once

#include <chrono>
#include <cstdint>
#include <istream>
#include <ostream>
#include <sauramiti/chrono/calendar.hpp>
#include <sauramiti/chrono/year_month_day.hpp>
#include <span>
#include <string>
#include <string_view>

namespace sauramiti::cli {

enum class DateDirection { ToAd, ToBs };

struct DateOptions {
  std::int32_t separator = 0;  // 0 "/", 1 "-", 2 ".", 3 "÷"
  std::int32_t style = 0;      // to-ad only: 0 mm/dd/yyyy, 1 dd/mm/yyyy, 2 yyyy/mm/dd
  bool iso = false;            // ISO 8601 dates instead of the control's texts
  bool json = false;           // one JSON object a line
  // The BS calendar of the dates read and written; the control's own (the model) by default.
  // Another calendar converts through the typed core and writes the same text forms.
  bs::calendar calendar = bs::calendar::model;
};

// The converted text of one date, or, when `converted` is false, why it could not be; and the
// date on both calendars when converted.
struct DateConversion {
  bool converted = false;
  std::string text;
  bs::year_month_day bs;
  std::chrono::year_month_day ad;
};

DateConversion ConvertTypedDate(DateDirection direction, std::string_view input,
                                const DateOptions& options);

// Converts the dates, or the lines of `in` when there are none; returns the exit status.
int RunDateConversion(DateDirection direction, std::span<const std::string> dates,
                      const DateOptions& options, std::istream& in, std::ostream& out,
                      std::ostream& err, bool flushEachLine);

}  // namespace sauramiti::cli
