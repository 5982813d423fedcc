// The typed BS date against the control's nine methods, for every day of the range, and its
// range edges and arithmetic.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/chrono.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <string>
#include <tests/base/outcome.hpp>
#include <vector>

namespace sauramiti::bs {
namespace {

namespace R = SauramitiRoutine;
using namespace std::chrono;

using sauramiti::testing::FaultLog;

std::string Text(const year_month_day& d) {
  return std::to_string(d.year()) + "/" + std::to_string(d.month()) + "/" + std::to_string(d.day());
}

// Every day of the range, in order: consecutive sys_days, back to itself from sys_days and from
// the Kali Ahargana, the count, weekday and month length the methods give (the count also by the
// weekday placement formula, GetKaliAhargana with a weekday), the same text as
// AharGana2NepaliDate where that method reaches, and (from 15 October 1582, where the Gregorian
// calendar begins) the same Gregorian date as Nepali2EnglishDate.
TEST(YearMonthDayTest, EveryDayConvertsBothWaysAsTheMethodsDo) {
  FaultLog faults;
  const sys_days gregorianStart = sys_days{year{1582} / October / 15};
  sys_days expected = to_sys_days({1, 1, 1});
  for (int y = 1; y <= 9999; ++y) {
    for (unsigned m = 1; m <= 12; ++m) {
      const unsigned length = days_in_month(y, m);
      for (unsigned d = 1; d <= length; ++d) {
        const year_month_day date{y, m, d};
        const sys_days day = to_sys_days(date);
        const auto y16 = static_cast<std::int16_t>(y), m16 = static_cast<std::int16_t>(m),
                   d16 = static_cast<std::int16_t>(d);
        const auto code = static_cast<std::int16_t>(weekday(date).c_encoding() + 1);
        const std::int32_t count = kali_ahargana(date);
        bool right = day == expected && from_sys_days(day) == date && year_month_day{day} == date &&
                     sys_days{date} == day && from_kali_ahargana(count) == date && date.ok() &&
                     count == R::CountOnWeekday(y16, m16, d16, code) &&
                     count == R::GetKaliAhargana(y16, m16, d16) &&
                     code == R::GetWeekDay(y16, m16, d16);
        if (d == 1) {
          right = right &&
                  length == static_cast<unsigned>(R::GetDaysInMonth(y16, m16, disNepali)) &&
                  code == R::GetFirstWeekDay(y16, m16) && length >= 29 && length <= 32;
        }
        if (y < 9999 || (m == 1 && d <= 3)) {
          char value[16];
          std::snprintf(value, sizeof value, "%04d/%02u/%02u/%u", y, m, d,
                        static_cast<unsigned>(code));
          right = right && R::AharGana2NepaliDate(count) == value;
        }
        if (day >= gregorianStart && d == 1) {  // the first of each month: the rest follow on
          const std::chrono::year_month_day ad{day};
          char text[16];
          std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ad.year()),
                        static_cast<unsigned>(ad.month()), static_cast<unsigned>(ad.day()));
          right = right && R::Nepali2EnglishDate(y16, m16, d16, 9, sepDash, datyyyymmdd) == text;
        }
        faults.Check(right, Text(date), ": count ", count);
        expected = day + days{1};
      }
    }
  }
  EXPECT_EQ(faults.count, 0);
}

TEST(YearMonthDayTest, RangeEdgesAndDaysOutsideIt) {
  const sys_days first = to_sys_days({1, 1, 1});
  const sys_days last = to_sys_days({9999, 12, 31});
  struct Row {
    const char* name;
    bool holds;
  };
  const std::vector<Row> rows = {
      {"9999/12 has 31 days", days_in_month(9999, 12) == 31 && !year_month_day{9999, 12, 32}.ok()},
      {"the day before 1/1/1 is outside", !from_sys_days(first - days{1}).ok()},
      {"the day after 9999/12/31 is outside", !from_sys_days(last + days{1}).ok()},
      {"far days are outside",
       !from_sys_days(sys_days::max()).ok() && !from_sys_days(sys_days::min()).ok()},
      {"Kali counts outside", !from_kali_ahargana(1112209).ok() && !from_kali_ahargana(0).ok() &&
                                  !from_kali_ahargana(4764433).ok()},
      {"a day past the month counts on", to_sys_days({2059, 1, 32}) == to_sys_days({2059, 2, 1})},
      {"day 0 is the day before", to_sys_days({2059, 2, 0}) == to_sys_days({2059, 1, 31})},
      {"no year 0 or 10000",
       to_sys_days({0, 1, 1}) == sys_days::max() && to_sys_days({10000, 1, 1}) == sys_days::max()},
      {"no month 13", days_in_month(2059, 13) == 0 && !year_month_day{2059, 13, 1}.ok()},
      {"no day 0", !year_month_day{2059, 1, 0}.ok() && kali_ahargana({2059, 1, 0}) == 0},
      {"no weekday for no date", !weekday({2059, 1, 32}).ok()},
      {"order by year, month, day", year_month_day{2059, 1, 31} < year_month_day{2059, 2, 1} &&
                                        year_month_day{2058, 12, 30} < year_month_day{2059, 1, 1}},
  };
  for (const Row& row : rows) EXPECT_TRUE(row.holds) << row.name;
}

TEST(YearMonthDayTest, ArithmeticClampsToTheMonthsEnd) {
  struct Row {
    year_month_day got;
    year_month_day want;
  };
  const std::vector<Row> rows = {
      {add_days({2059, 1, 31}, days{1}), {2059, 2, 1}},
      {add_days({2059, 1, 1}, days{-1}), {2058, 12, 31}},
      {add_days({2059, 1, 1}, days{365}), {2060, 1, 1}},
      {add_days({1, 1, 1}, days{-1}), {}},
      {add_days({9999, 12, 31}, days{1}), {}},
      {add_days({2059, 1, 1}, days::max()), {}},
      // 2081: Bhadra (5) has 31 days, Asvin (6) 30, Poush (9) 29, Magha (10) 30.
      {year_month_day{2081, 5, 31} + months{1}, {2081, 6, 30}},
      {year_month_day{2081, 8, 30} + months{1}, {2081, 9, 29}},
      {year_month_day{2081, 12, 15} + months{1}, {2082, 1, 15}},
      {year_month_day{2081, 1, 15} - months{1}, {2080, 12, 15}},
      {year_month_day{2081, 1, 15} + months{-24}, {2079, 1, 15}},
      {year_month_day{2081, 2, 32} + years{1}, {2082, 2, 31}},
      {year_month_day{2081, 4, 32} - years{2}, {2079, 4, 31}},
      {year_month_day{9999, 12, 1} + months{1}, {}},
      {year_month_day{1, 1, 1} - months{1}, {}},
      {year_month_day{1, 1, 1} + years{9998}, {9999, 1, 1}},
      {year_month_day{1, 1, 1} + years::max(), {}},
      {year_month_day{2081, 13, 1} + months{1}, {}},
  };
  for (const Row& row : rows) EXPECT_EQ(row.got, row.want) << Text(row.want);
  EXPECT_EQ(days_between({2059, 1, 1}, {2060, 1, 1}), days{365});
  EXPECT_EQ(days_between({2060, 1, 1}, {2059, 1, 1}), days{-365});
  EXPECT_EQ(days_between({2060, 1, 1}, {2059, 1, 40}), days{0});
}

}  // namespace
}  // namespace sauramiti::bs
