// Julian days, BS <-> Gregorian conversion and the date string forms. Facts used: BS 2059/01/01 is
// Sunday 14 April 2002, Julian day 2452378.5; BS year 1 began in 57 BC (astronomical year -56),
// a date that comes out in the Julian calendar.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <sauramiti/convert/julian_day.hpp>
#include <string>
#include <tests/base/outcome.hpp>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ExpectRows;

#define DIV "\xC3\xB7"  // the division sign, U+00F7, in UTF-8
constexpr const char* kInvalidBs = "Nepali2EnglishDate =Invalid Date";
constexpr const char* kInvalidGregorian = "Invalid Input";

std::string DateOf(double jd) {
  const GregorianDate g = JulianDayToGregorian(jd);
  return std::to_string(g.year) + "-" + std::to_string(g.month) + "-" + std::to_string(g.day);
}

TEST(JulianDayTest, DatesAndDayCounts) {
  ExpectRows({
      {OUTCOME(GregorianToJulianDay(2002, 4, 14)), "2452378.5"},
      {OUTCOME(DateOf(2451545.4999999)), "2000-1-1"},
      {OUTCOME(DateOf(2451545.5)), "2000-1-2"},
      {OUTCOME(DateOf(2451575.0)), "2000-1-31"},
      {OUTCOME(DateOf(588465.5)), "-3101-2-18"},  // the Kali epoch
      {OUTCOME(DateOf(-0.5)), "-4712-1-1"},
      {OUTCOME(DateOf(-0.5000001)), "-4713-12-31"},
      {OUTCOME(JDate2EnglishDate(2451544.5)), "01/01/2000"},
      {OUTCOME(JDate2EnglishDate(2451544.5, sepdivsign, datddmmyyyy)), "01" DIV "01" DIV "2000"},
      {OUTCOME(JDate2EnglishDate(0, sepDash, datyyyymmdd)), "-4712-01-01"},
      {OUTCOME(JDate2EnglishDate(5373484.5)), "01/01/10000"},
  });
}

TEST(BsGregorianTest, ConversionsBothWays) {
  ExpectRows({
      {OUTCOME(GetJulianDate(2059, 1, 1, 9)), "2452378.5"},
      {OUTCOME(GetJulianDate(2059, 1, 40, 3)), "2452415.5"},
      {OUTCOME(GetJulianDate(2059, 1, 1, 8)), "0"},
      {OUTCOME(Nepali2EnglishDate(2059, 1, 1, 9, sepDash, datyyyymmdd)), "2002-04-14"},
      {OUTCOME(Nepali2EnglishDate(2059, 1, 1, 9, sepdivsign, datddmmyyyy)),
       "14" DIV "04" DIV "2002"},
      {OUTCOME(Nepali2EnglishDate(2081, 1, 1)), "04/13/2024"},
      {OUTCOME(Nepali2EnglishDate(2059, 1, 45, 3)), "05/28/2002"},
      {OUTCOME(Nepali2EnglishDate(1, 1, 1)), "03/13/-0056"},
      {OUTCOME(Nepali2EnglishDate(2059, 1, 45, 9, -1)),
       kInvalidBs},  // rejected before the separator
      {OUTCOME(English2NepaliDate(2002, 4, 14, sepDash)), "2059-01-01-1"},
      {OUTCOME(English2NepaliDate(2002, 4, 13)), "2058/12/31/7"},
      {OUTCOME(English2NepaliDate(2023, 4, 14)), "2080/01/01/6"},
      {OUTCOME(English2NepaliDate(2002, 4, 31)), kInvalidGregorian},
      {OUTCOME(English2NepaliDate(2001, 2, 29, -1)), kInvalidGregorian},
      {OUTCOME(English2NepaliDate(9999, 12, 31)), "error 9"},  // past BS 9999
      {OUTCOME(TodayValueString({2024, 4, 13})), "2081/01/01/7"},
      {OUTCOME(TodayValueString({2001, 2, 29})), kInvalidGregorian},
  });
}

TEST(DateStringFormsTest, ReadingAndWritingTheForms) {
  const std::array<std::string, 13> bsMonths = {"",       "Vaishaka", "Jestha",  "Asadh", "Srawan",
                                                "Bhadra", "Asvin",    "Kartika", "Marga", "Poush",
                                                "Magha",  "Falguna",  "Chaitra"};
  const std::array<std::string, 8> weekdays = {"",          "Sunday",   "Monday", "Tuesday",
                                               "Wednesday", "Thursday", "Friday", "Saturday"};
  const std::array<std::string, 13> adMonths = {
      "",     "January", "February",  "March",   "April",    "May",     "June",
      "July", "August",  "September", "October", "November", "December"};
  // A Value string is read by position: the separators are never looked at.
  const auto read = [](std::string_view text) {
    const BsDateParts p = ReadValueString(text);
    return std::to_string(p.year) + " " + std::to_string(p.month) + " " + std::to_string(p.day) +
           " " + std::to_string(p.weekday);
  };
  const auto literal = [&](BsDateParts p) { return LiteralBsDate(p, bsMonths, weekdays); };
  const auto english = [&](std::string_view text, std::int32_t style, std::int16_t language) {
    return EnglishLiteralDate(text, style, language, adMonths);
  };
  ExpectRows({
      {OUTCOME(read("2059" DIV "01" DIV "15" DIV "4")), "2059 1 15 4"},
      {OUTCOME(read("20a9/1x/3 /9")), "20 1 3 9"},
      {OUTCOME(read("-123/-1/-2/-")), "-123 -1 -2 0"},
      {OUTCOME(read("2059/01")), "2059 1 0 0"},
      {OUTCOME(read("205901011")), "2059 10 1 0"},
      {OUTCOME(MakeValueString(999, 1, 1, 5, sepdivsign)), "0999" DIV "01" DIV "01" DIV "5"},
      {OUTCOME(MakeValueString(2059, 1, 1, 1, 4)), "205901011"},
      {OUTCOME(MakeValueString(2059, 1, 1, 1, -1)), "error 5"},
      {OUTCOME(literal({999, 12, 5, 7})), "999 Chaitra 5, Saturday"},
      {OUTCOME(literal({2059, 13, 1, 8})), "2059  1, "},
      {OUTCOME(literal({-5, -1, -3, 1})), "-5  -3, Sunday"},
      {OUTCOME(english("2002-04-14", datyyyymmdd, -1)), "14 April, 2002"},
      {OUTCOME(english("14" DIV "04" DIV "2002", datddmmyyyy, -1)), "14 April, 2002"},
      {OUTCOME(english("03/05/2002", datmmddyyyy, -1)), "5 March, 2002"},
      {OUTCOME(english("04/14/-044", datmmddyyyy, 1)), "14 April, 44 BC"},
      {OUTCOME(english("04/14/-044", datmmddyyyy, 0)), "14 April, 44lal;"},
      {OUTCOME(english(kInvalidBs, datmmddyyyy, -1)), "0 , 2"},
      {OUTCOME(english("13/01/2002", datmmddyyyy, -1)), "error 9"},
      {OUTCOME(english("04/14/2002", 3, -1)), "error 13"},
      {OUTCOME(RestyleEnglishDate("04/14/2002", datmmddyyyy, datyyyymmdd, sepDot)), "2002.04.14"},
      {OUTCOME(RestyleEnglishDate("04/14/2002", 3, datmmddyyyy, sepSlash)), "00/00/0000"},
      {OUTCOME(RestyleEnglishDate("04/14/2002", datmmddyyyy, 3, sepSlash)), ""},
      {OUTCOME(RestyleEnglishDate("04/14/2002", datmmddyyyy, datyyyymmdd, -1)), "error 5"},
  });
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
