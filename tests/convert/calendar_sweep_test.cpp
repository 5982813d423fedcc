// Exhaustive checks over every day of the BS range.
//
// Each test walks all 3.65 million days of BS years 1 to 9998 (and the few of 9999 that have
// counts), so that every month structure, year start and conversion is exercised once.
#include <gtest/gtest.h>

#include <cstdint>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <string>
#include <string_view>
#include <tests/base/error_number.hpp>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ErrorNumberOf;

constexpr std::int16_t kLastFullYear = 9998;

// Reports the first few faults of a sweep in full and counts the rest.
class FaultLog {
 public:
  template <typename Message>
  void Add(Message&& message) {
    if (++count_ <= 10) ADD_FAILURE() << message();
  }
  int count() const { return count_; }

 private:
  int count_ = 0;
};

// "yyyy/mm/dd/w", written here digit by digit so as not to lean on the library's formatting.
std::string ValueText(int year, int month, int day, int weekday) {
  std::string text = "0000/00/00/0";
  text[0] = static_cast<char>('0' + year / 1000);
  text[1] = static_cast<char>('0' + year / 100 % 10);
  text[2] = static_cast<char>('0' + year / 10 % 10);
  text[3] = static_cast<char>('0' + year % 10);
  text[5] = static_cast<char>('0' + month / 10);
  text[6] = static_cast<char>('0' + month % 10);
  text[8] = static_cast<char>('0' + day / 10);
  text[9] = static_cast<char>('0' + day % 10);
  text[11] = static_cast<char>('0' + weekday);
  return text;
}

// Calls visit(year, month, day) for every day of BS years 1 to 9998, in order.
template <typename Visit>
void ForEachDay(Visit&& visit) {
  for (std::int16_t y = 1; y <= kLastFullYear; ++y) {
    for (std::int16_t m = 1; m <= 12; ++m) {
      const std::int16_t length = GetDaysInMonth(y, m, disNepali);
      for (std::int16_t d = 1; d <= length; ++d) visit(y, m, d);
    }
  }
}

TEST(CalendarSweepTest, MonthsAndYearsHaveLengthsOfTheModel) {
  FaultLog faults;
  for (std::int16_t y = 1; y <= kLastFullYear; ++y) {
    int year_length = 0;
    for (std::int16_t m = 1; m <= 12; ++m) {
      const std::int16_t length = GetDaysInMonth(y, m, disNepali);
      if (length < 29 || length > 32) faults.Add([&] { return ValueText(y, m, length, 0); });
      year_length += length;
    }
    if (year_length != 365 && year_length != 366) {
      faults.Add([&] { return std::to_string(y) + " has " + std::to_string(year_length); });
    }
  }
  EXPECT_EQ(faults.count(), 0);
}

// Every day has the next count after the day before, falls on the weekday its count says, and
// converts back to itself with that weekday.
TEST(CalendarSweepTest, EveryDayHasTheNextCountAndComesBack) {
  FaultLog faults;
  double next_count = 1112210;  // BS 0001/01/01
  ForEachDay([&](std::int16_t y, std::int16_t m, std::int16_t d) {
    const std::int16_t weekday = GetWeekDay(y, m, d);
    const double count = GetKaliAhargana(y, m, d);
    const std::string want = ValueText(y, m, d, weekday);
    const bool ok = count == next_count && weekday >= 1 && weekday <= 7 &&
                    static_cast<std::int64_t>(count) % 7 == (weekday + 1) % 7 &&
                    GetKaliAhargana(y, m, d, weekday) == count &&
                    AharGana2NepaliDate(count) == want;
    if (!ok) {
      faults.Add([&] {
        return want + ": count " + std::to_string(count) + ", expected " +
               std::to_string(next_count) + ", back " + AharGana2NepaliDate(count);
      });
    }
    next_count = count + 1;
  });
  EXPECT_EQ(GetKaliAhargana(9999, 1, 1), next_count) << "the last year follows on";
  EXPECT_EQ(faults.count(), 0);
}

TEST(CalendarSweepTest, CountsAroundEveryYearStartFallOnBothSides) {
  FaultLog faults;
  for (std::int16_t y = 2; y <= 9999; ++y) {
    const double start = GetYearStartAhargana(y);
    const auto before = static_cast<std::int16_t>(y - 1);
    const std::int16_t last = GetDaysInMonth(before, 12, disNepali);
    const bool ok = start == GetKaliAhargana(y, 1, 1) &&
                    AharGana2NepaliDate(start - 1) ==
                        ValueText(before, 12, last, GetWeekDay(before, 12, last)) &&
                    AharGana2NepaliDate(start) == ValueText(y, 1, 1, GetWeekDay(y, 1, 1)) &&
                    AharGana2NepaliDate(start + 1) == ValueText(y, 1, 2, GetWeekDay(y, 1, 2));
    if (!ok) faults.Add([&] { return "year " + std::to_string(y); });
  }
  EXPECT_EQ(faults.count(), 0);
  EXPECT_EQ(ErrorNumberOf([] { AharGana2NepaliDate(GetYearStartAhargana(1) - 1); }),
            kSubscriptOutOfRange);
}

// Around the midnight that starts a month, a fraction of a day picks the month by the count as
// it is and rounds the day number half to even; a day one past the month's end is the first of
// the next month. So no fraction ever gives day 0 or a day past the month's end.
TEST(CalendarSweepTest, FractionsAroundEveryMonthStartRoundOnlyTheDay) {
  FaultLog faults;
  std::int16_t previous_year = 0, previous_month = 0, previous_length = 0;
  ForEachDay([&](std::int16_t y, std::int16_t m, std::int16_t d) {
    if (d != 1) return;
    const double start = GetKaliAhargana(y, m, 1);
    const std::string first = ValueText(y, m, 1, GetWeekDay(y, m, 1));
    const std::string second = ValueText(y, m, 2, GetWeekDay(y, m, 2));
    const auto check = [&](double offset, const std::string& want) {
      const std::string got = AharGana2NepaliDate(start + offset);
      if (got != want) {
        faults.Add(
            [&] { return first + " " + std::to_string(offset) + ": " + got + " not " + want; });
      }
    };
    check(0.4, first);
    check(0.5, second);
    check(0.6, second);
    if (previous_year != 0) {
      const std::string last =
          ValueText(previous_year, previous_month, previous_length,
                    GetWeekDay(previous_year, previous_month, previous_length));
      check(-0.4, first);
      check(-0.5, previous_length % 2 == 0 ? last : first);
      check(-0.6, last);
    }
    previous_year = y;
    previous_month = m;
    previous_length = GetDaysInMonth(y, m, disNepali);
  });
  EXPECT_EQ(faults.count(), 0);
}

struct GregorianDay {
  int year, month, day;
  friend bool operator==(const GregorianDay&, const GregorianDay&) = default;
};

GregorianDay NextGregorianDay(GregorianDay g) {
  const bool leap = g.year % 4 == 0 && (g.year % 100 != 0 || g.year % 400 == 0);
  constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int length = g.month == 2 && leap ? 29 : kLengths[g.month - 1];
  if (g.day < length) return {g.year, g.month, g.day + 1};
  if (g.month < 12) return {g.year, g.month + 1, 1};
  return {g.year + 1, 1, 1};
}

// "yyyy-mm-dd" with a four-digit year; {0, 0, 0} for anything else.
GregorianDay ReadIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return {0, 0, 0};
  const auto number = [&](std::size_t at, std::size_t n) {
    int value = 0;
    for (std::size_t i = at; i < at + n; ++i) value = value * 10 + (text[i] - '0');
    return value;
  };
  return {number(0, 4), number(5, 2), number(8, 2)};
}

// From 15 October 1582, where the Gregorian calendar begins, every BS day is the Gregorian day
// after the one before, and that Gregorian day converts back to it.
TEST(CalendarSweepTest, EveryDayFromTheGregorianSwitchOnRoundTripsThroughGregorian) {
  const double switch_count = 2299160.5 - 588465.5;  // 15 October 1582
  FaultLog faults;
  GregorianDay expected{1582, 10, 15};
  int days = 0;
  ForEachDay([&](std::int16_t y, std::int16_t m, std::int16_t d) {
    if (GetKaliAhargana(y, m, d) < switch_count) return;
    const std::string text = Nepali2EnglishDate(y, m, d, 9, sepDash, datyyyymmdd);
    const GregorianDay gregorian = ReadIsoDate(text);
    const std::string want = ValueText(y, m, d, GetWeekDay(y, m, d));
    const std::string back = English2NepaliDate(static_cast<std::int16_t>(gregorian.year),
                                                static_cast<std::int16_t>(gregorian.month),
                                                static_cast<std::int16_t>(gregorian.day));
    if (!(gregorian == expected) || back != want) {
      faults.Add([&] { return want + " -> " + text + " -> " + back; });
    }
    expected = NextGregorianDay(gregorian);
    ++days;
  });
  EXPECT_GT(days, 3000000);
  EXPECT_EQ(faults.count(), 0);
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
