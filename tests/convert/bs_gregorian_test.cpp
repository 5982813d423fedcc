#include <gtest/gtest.h>

#include <cstdint>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <string>
#include <string_view>
#include <tests/base/error_number.hpp>
#include <vector>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ErrorNumberOf;

#define DIV "\xC3\xB7"  // the division sign, U+00F7, in UTF-8

constexpr std::string_view kInvalidBs = "Nepali2EnglishDate =Invalid Date";
constexpr std::string_view kInvalidGregorian = "Invalid Input";

TEST(BsGregorianTest, GetJulianDateIsTheKaliAharganaFromMidnightOfTheJulianDayCount) {
  struct Case {
    std::string_view name;
    std::int16_t year, month, day, weekday;
    double julian;
  };
  const std::vector<Case> cases = {
      {"2059/01/01, 14 April 2002", 2059, 1, 1, 9, 2452378.5},
      {"2080/01/01, 14 April 2023", 2080, 1, 1, 9, 2460048.5},
      {"weekday given, day past the month", 2059, 1, 40, 3, 1863950 + 588465.5},
      {"day past the month", 2059, 1, 33, 9, 0},
      {"year 0", 0, 1, 1, 9, 0},
      {"weekday 0", 2059, 1, 1, 0, 0},
      {"weekday 8", 2059, 1, 1, 8, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetJulianDate(c.year, c.month, c.day, c.weekday), c.julian) << c.name;
  }
}

struct TextCase {
  std::string_view name;
  std::string (*convert)();
  std::string_view text;  // when error is 0
  std::int32_t error;
};

void ExpectAll(const std::vector<TextCase>& cases) {
  for (const TextCase& c : cases) {
    std::string got;
    EXPECT_EQ(ErrorNumberOf([&] { got = c.convert(); }), c.error) << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.text) << c.name;
    }
  }
}

TEST(BsGregorianTest, Nepali2EnglishDateWritesTheGregorianDate) {
  ExpectAll({
      {"defaults", [] { return Nepali2EnglishDate(2059, 1, 1); }, "04/14/2002", 0},
      {"dash, year first", [] { return Nepali2EnglishDate(2059, 1, 1, 9, sepDash, datyyyymmdd); },
       "2002-04-14", 0},
      {"division sign, day first",
       [] { return Nepali2EnglishDate(2059, 1, 1, 9, sepdivsign, datddmmyyyy); },
       "14" DIV "04" DIV "2002", 0},
      {"2080 begins on 14 April 2023", [] { return Nepali2EnglishDate(2080, 1, 1); }, "04/14/2023",
       0},
      {"2081 begins on 13 April 2024", [] { return Nepali2EnglishDate(2081, 1, 1); }, "04/13/2024",
       0},
      {"weekday given: the day runs on past the month",
       [] { return Nepali2EnglishDate(2059, 1, 45, 3); }, "05/28/2002", 0},
      {"without the weekday that day is rejected", [] { return Nepali2EnglishDate(2059, 1, 45); },
       kInvalidBs, 0},
      {"weekday 0", [] { return Nepali2EnglishDate(2059, 1, 1, 0); }, kInvalidBs, 0},
      {"year 10000", [] { return Nepali2EnglishDate(10000, 1, 1); }, kInvalidBs, 0},
      // BS year 1 began in 57 BC (astronomical year -56), which comes out in the Julian calendar.
      {"first day of the range", [] { return Nepali2EnglishDate(1, 1, 1); }, "03/13/-0056", 0},
      {"unknown style", [] { return Nepali2EnglishDate(2059, 1, 1, 9, sepSlash, 3); }, "", 0},
      {"no separator", [] { return Nepali2EnglishDate(2059, 1, 1, 9, 4); }, "04142002", 0},
      {"negative separator", [] { return Nepali2EnglishDate(2059, 1, 1, 9, -1); }, "",
       kInvalidProcedureCall},
      {"a rejected date is no error even with a negative separator",
       [] { return Nepali2EnglishDate(2059, 1, 45, 9, -1); }, kInvalidBs, 0},
  });
}

TEST(BsGregorianTest, English2NepaliDateWritesTheValueString) {
  ExpectAll({
      {"defaults", [] { return English2NepaliDate(2002, 4, 14); }, "2059/01/01/1", 0},
      {"dash, before the weekday too", [] { return English2NepaliDate(2002, 4, 14, sepDash); },
       "2059-01-01-1", 0},
      {"division sign", [] { return English2NepaliDate(2002, 4, 14, sepdivsign); },
       "2059" DIV "01" DIV "01" DIV "1", 0},
      {"no separator", [] { return English2NepaliDate(2002, 4, 14, 7); }, "205901011", 0},
      {"the day before", [] { return English2NepaliDate(2002, 4, 13); }, "2058/12/31/7", 0},
      {"14 April 2023", [] { return English2NepaliDate(2023, 4, 14); }, "2080/01/01/6", 0},
      {"no 29 February 2001", [] { return English2NepaliDate(2001, 2, 29); }, kInvalidGregorian, 0},
      {"no 31 April", [] { return English2NepaliDate(2002, 4, 31); }, kInvalidGregorian, 0},
      {"day 0", [] { return English2NepaliDate(2002, 4, 0); }, kInvalidGregorian, 0},
      {"month 13", [] { return English2NepaliDate(2002, 13, 1); }, kInvalidGregorian, 0},
      {"year 0", [] { return English2NepaliDate(0, 1, 1); }, kInvalidGregorian, 0},
      {"year 10000", [] { return English2NepaliDate(10000, 1, 1); }, kInvalidGregorian, 0},
      {"negative separator", [] { return English2NepaliDate(2002, 4, 14, -1); }, "",
       kInvalidProcedureCall},
      // Gregorian years run to 9999, BS years too; the last Gregorian years lie past BS 9999.
      {"past the BS range", [] { return English2NepaliDate(9999, 12, 31); }, "",
       kSubscriptOutOfRange},
      {"a rejected date is no error even with a negative separator",
       [] { return English2NepaliDate(2001, 2, 29, -1); }, kInvalidGregorian, 0},
  });
}

TEST(BsGregorianTest, LeapDaysAndFirstDaysComeBack) {
  // 29 February 2000 exists and is a BS date that converts back to it.
  const std::string leap = English2NepaliDate(2000, 2, 29);
  ASSERT_EQ(leap.size(), 12U) << leap;
  const auto piece = [&](std::size_t at, std::size_t n) {
    return static_cast<std::int16_t>(std::stoi(leap.substr(at, n)));
  };
  EXPECT_EQ(Nepali2EnglishDate(piece(0, 4), piece(5, 2), piece(8, 2)), "02/29/2000");
  // 1 January of year 1 (proleptic Gregorian) lies inside the BS range.
  EXPECT_EQ(English2NepaliDate(1, 1, 1).size(), 12U);
}

TEST(BsGregorianTest, TodayValueStringIsTheBsDateOfTheGivenDay) {
  EXPECT_EQ(TodayValueString({2002, 4, 14}), "2059/01/01/1");
  EXPECT_EQ(TodayValueString({2024, 4, 13}), "2081/01/01/7");
  EXPECT_EQ(TodayValueString({2001, 2, 29}), kInvalidGregorian);
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
