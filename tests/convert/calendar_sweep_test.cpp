// Exhaustive checks over every day of the BS range: all 3.65 million days of BS years 1 to 9998
// (and the first days of 9999), so that every month structure, year start and conversion runs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <string>
#include <tests/base/outcome.hpp>

namespace sauramiti::SauramitiRoutine {
namespace {

// "yyyy/mm/dd/w", written here so as not to lean on the library's own formatting.
std::string ValueText(int year, int month, int day) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d/%d", year, month, day,
                GetWeekDay(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                           static_cast<std::int16_t>(day)));
  return text;
}

// Calls visit(year, month, day, month length) for every day of BS years 1 to 9998, in order.
template <typename Visit>
void ForEachDay(Visit&& visit) {
  for (std::int16_t y = 1; y <= 9998; ++y) {
    for (std::int16_t m = 1; m <= 12; ++m) {
      const std::int16_t length = GetDaysInMonth(y, m, disNepali);
      for (std::int16_t d = 1; d <= length; ++d) visit(y, m, d, length);
    }
  }
}

// Every day has the next count after the day before, falls on the weekday its count says,
// converts back to itself, and every month has 29 to 32 days; a year starts on its first day.
TEST(CalendarSweepTest, EveryDayHasTheNextCountAndComesBack) {
  testing::FaultLog faults;
  double next = 1112210;  // BS 0001/01/01
  ForEachDay([&](std::int16_t y, std::int16_t m, std::int16_t d, std::int16_t length) {
    const std::int16_t weekday = GetWeekDay(y, m, d);
    const double count = GetKaliAhargana(y, m, d);
    const std::string want = ValueText(y, m, d);
    faults.Check(count == next && static_cast<std::int64_t>(count) % 7 == (weekday + 1) % 7 &&
                     GetKaliAhargana(y, m, d, weekday) == count &&
                     AharGana2NepaliDate(count) == want && length >= 29 && length <= 32 &&
                     (m != 1 || d != 1 || GetYearStartAhargana(y) == count),
                 want, ": count ", count, ", expected ", next);
    next = count + 1;
  });
  EXPECT_EQ(GetKaliAhargana(9999, 1, 1), next) << "the last year follows on";
  EXPECT_EQ(faults.count, 0);
}

// Around every month's first midnight a fraction picks the month by the count as it is and
// rounds the day half to even; a day one past the month's end is the first of the next month,
// so no fraction ever gives day 0 or a day past the end.
TEST(CalendarSweepTest, FractionsAroundEveryMonthStartRoundOnlyTheDay) {
  testing::FaultLog faults;
  std::string last;  // the last day of the month before
  int lastDay = 0;
  ForEachDay([&](std::int16_t y, std::int16_t m, std::int16_t d, std::int16_t length) {
    if (d == length) last = ValueText(y, m, d), lastDay = d;
    if (d != 1) return;
    const double start = GetKaliAhargana(y, m, 1);
    const std::string first = ValueText(y, m, 1), second = ValueText(y, m, 2);
    const auto check = [&](double offset, const std::string& want) {
      const std::string got = AharGana2NepaliDate(start + offset);
      faults.Check(got == want, first, " ", offset, ": ", got);
    };
    check(0.4, first), check(0.5, second), check(0.6, second);
    if (lastDay == 0) return;
    check(-0.4, first), check(-0.5, lastDay % 2 == 0 ? last : first), check(-0.6, last);
  });
  EXPECT_EQ(faults.count, 0);
}

struct Ymd {
  int year, month, day;
  friend bool operator==(const Ymd&, const Ymd&) = default;
};

Ymd NextGregorianDay(Ymd g) {
  const bool leap = g.year % 4 == 0 && (g.year % 100 != 0 || g.year % 400 == 0);
  constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (g.day < (g.month == 2 && leap ? 29 : kLengths[g.month - 1]))
    return {g.year, g.month, g.day + 1};
  return g.month < 12 ? Ymd{g.year, g.month + 1, 1} : Ymd{g.year + 1, 1, 1};
}

// From 15 October 1582, where the Gregorian calendar begins, every BS day is the Gregorian day
// after the one before, and that Gregorian day converts back to it.
TEST(CalendarSweepTest, EveryDayFromTheGregorianSwitchOnRoundTripsThroughGregorian) {
  const double switchCount = 2299160.5 - 588465.5;  // 15 October 1582
  testing::FaultLog faults;
  Ymd expected{1582, 10, 15};
  int days = 0;
  ForEachDay([&](std::int16_t y, std::int16_t m, std::int16_t d, std::int16_t) {
    if (GetKaliAhargana(y, m, d) < switchCount) return;
    const std::string text = Nepali2EnglishDate(y, m, d, 9, sepDash, datyyyymmdd);
    Ymd g{};
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d", &g.year, &g.month, &g.day) != 3) g = {};
    const std::string back =
        English2NepaliDate(static_cast<std::int16_t>(g.year), static_cast<std::int16_t>(g.month),
                           static_cast<std::int16_t>(g.day));
    faults.Check(g == expected && back == ValueText(y, m, d), text, " -> ", back);
    expected = NextGregorianDay(g);
    ++days;
  });
  EXPECT_GT(days, 3000000);
  EXPECT_EQ(faults.count, 0);
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
