// The date texts the control hands out and reads back.
//
// The Value string is a BS date with its weekday, "YYYY/mm/dd/w": 12 characters for years 1 to
// 9999, year in positions 1-4, month 6-7, day 9-10, weekday code 12, all three separators the
// same character. Readers take the pieces by position alone and never look at the separators,
// so "2059-01-01-1" reads back the same date as "2059/01/01/1".
//
// The Gregorian date text has its pieces at fixed positions too, by date style: mm S dd S yyyy
// (month 1-2, day 4-5, year 7-10), dd S mm S yyyy (day 1-2, month 4-5, year 7-10) or
// yyyy S mm S dd (year 1-4, month 6-7, day 9-10). A year that is not four characters wide (10000
// and above, or negative) shifts the pieces after it; the readers still read the fixed positions.
//
// The literal forms spell names out: "2059 Vaishaka 1, Sunday" for a BS date, "14 April, 2002"
// for a Gregorian one. They take their names from the name tables of the current language, which
// the caller passes in; in Nepali the names are legacy-font texts and the digits stay "0" to "9".
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace sauramiti::SauramitiRoutine {

struct BsDateParts {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int16_t day = 0;
  std::int16_t weekday = 0;
};

// The four pieces of a Value string, each the leading number of its piece (0 when it has none
// or the text is too short).
BsDateParts ReadValueString(std::string_view value);

// A Value string: FormatYMD(year, month, day, sepCode, yyyy S mm S dd), the separator again, and
// the weekday in decimal ("2059.01.15.1" with sepDot).
[[nodiscard]] std::string MakeValueString(std::int16_t year, std::int16_t month, std::int16_t day,
                                          std::int16_t weekday, std::int32_t sepCode);

// "2059 Vaishaka 1, Sunday": year and day without leading zeros, names from the tables. A month
// or weekday that indexes no entry gives an empty name, so the text can always be made.
[[nodiscard]] std::string LiteralBsDate(const BsDateParts& date,
                                        std::span<const std::string> monthNames,
                                        std::span<const std::string> weekdayNames);

// The long form of a Gregorian date text read with `style`: "14 April, 2002"; a negative year
// reads "14 April, 44 BC" in English (english non-zero) and ends in the Nepali-font suffix "lal;"
// right after the digits in Nepali. A style outside 0 to 2 is error 13, a month piece outside 0
// to 12 error 9 (month 0 has the empty name).
[[nodiscard]] std::string EnglishLiteralDate(std::string_view text, std::int32_t style,
                                             std::int16_t english,
                                             std::span<const std::string> englishMonthNames);

// A Gregorian date text read with `fromStyle` and written again with `toStyle` and the
// separator of `sepCode`. A source style outside 0 to 2 reads zeros.
[[nodiscard]] std::string RestyleEnglishDate(std::string_view text, std::int32_t fromStyle,
                                             std::int32_t toStyle, std::int32_t sepCode);

}  // namespace sauramiti::SauramitiRoutine
