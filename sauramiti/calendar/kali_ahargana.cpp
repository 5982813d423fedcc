#include <cmath>
#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/base/rounding.hpp>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/calendar/year_structure_cache.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

// BS year y is Kali year y + 3044; 3044 x 360 solar days lie between the Kali epoch and BS 0.
constexpr std::int16_t kKaliYearOffset = 3044;
constexpr std::int32_t kSolarDaysBeforeBsZero = 1095840;

// Per-month correction of the civil-day estimate, months 1 to 12.
constexpr std::array<std::int32_t, 12> kMonthCorrection = {-2, -2, -1, 0, 1, 2, 2, 2, 1, 0, -1, -2};

// The first day of BS year 1; earlier counts have no BS date.
constexpr double kFirstCount = 1112210;

// Solar days per civil day, computed as the ratio of the two counts, as a double.
const double kSolarPerCivil = 1555200000.0 / 1577917828.0;

}  // namespace

double GetKaliAhargana(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                       std::int16_t mywkday) {
  const bool weekday_given = mywkday != 9;
  if (weekday_given) {
    if (!IsValidYear(myYear) || !IsValidMonth(myMonth) || !IsValidWeekDay(mywkday)) return 0;
  } else if (!IsValidDate(myYear, myMonth, myDay, disNepali)) {
    return 0;
  }
  const std::int16_t weekday = weekday_given ? mywkday : GetWeekDay(myYear, myMonth, myDay);

  // Solar days since the Kali epoch, counting 30-day months: [1063429, 4728574] for every input
  // that passes the check above, whatever its day.
  const std::int32_t kali_year = Add16(myYear, kKaliYearOffset);  // [3045, 13043]
  std::int32_t t = Add32(Mul32(Add32(Mul32(kali_year, 12), myMonth - 1), 30), myDay - 1);
  t = Add32(t, kMonthCorrection[static_cast<std::size_t>(myMonth - 1)]);

  // Civil-day estimate: T x 1577917828 / 1555200000, as T + floor(T / 69) + floor(T / 8703).
  // T is positive, so the integer quotients are those floors, and the sum is exact.
  const std::int32_t estimate = t + t / 69 + t / 8703;  // [1078963, 4797647]

  // Move to the nearest count with the date's weekday residue (Friday 0 ... Thursday 6).
  const std::int32_t wanted = (weekday + 1) % 7;       // [0, 6]
  const std::int32_t have = estimate % 7;              // [0, 6]
  std::int32_t shift = ((wanted - have) % 7 + 7) % 7;  // [0, 6]
  if (shift > 3) shift -= 7;                           // [-3, 3]
  return static_cast<double>(estimate + shift);
}

double GetYearStartAhargana(std::int16_t year) {
  return IsValidYear(year) ? CachedYearStartAhargana(year) : 0;
}

YearMonthTable BuildMonthTables(std::int16_t year) {
  YearMonthTable table;
  for (std::int16_t m = 1; m <= 12; ++m) {
    table.FirstWeekDays[static_cast<std::size_t>(m)] = GetFirstWeekDay(year, m);
  }
  const std::int16_t next = Add16(year, 1);
  // As for the month lengths, the year after 9999 is taken from the coarse formula.
  table.FirstWeekDays[13] =
      year == 9999 ? CalcFirstWeekDayOutOfRange(next, 1) : GetFirstWeekDay(next, 1);
  for (std::size_t i = 1; i <= 12; ++i) {
    std::int16_t gap = Sub16(table.FirstWeekDays[i + 1], table.FirstWeekDays[i]);
    if (gap <= 0) gap = Add16(gap, 7);
    table.MonthDays[i] = Add16(gap, 28);
    table.DaysToMonthEnd[i] = Add16(table.DaysToMonthEnd[i - 1], table.MonthDays[i]);
  }
  return table;
}

std::string AharganaToValueString(double K) {
  if (std::isnan(K) || std::isinf(K)) Raise(kOverflow);
  if (K < kFirstCount) Raise(kSubscriptOutOfRange);

  // Estimate the year in 360-day solar years. The solar count is positive here (at least 357),
  // so the integer quotient is floor(solar / 360).
  const std::int32_t solar = Sub32(RoundToInt32(K * kSolarPerCivil), kSolarDaysBeforeBsZero);
  const std::int16_t estimate = To16(solar / 360);
  const double start = GetYearStartAhargana(estimate);
  const double next_start = GetYearStartAhargana(Add16(estimate, 1));

  std::int16_t year = estimate;
  double days = K - start;  // days since the start of the year, fraction kept
  if (K >= next_start) {
    year = Add16(estimate, 1);
    days = K - next_start;
  }

  // A year past 9999 has a start of 0, so `days` is the whole count, far more than the 420 days
  // its twelve 35-day months would hold: no month of it can take the count. Its table is still
  // built, as the walk below would, so that a year whose next year overflows fails as such.
  if (!IsValidYear(year)) {
    BuildMonthTables(year);
    Raise(kSubscriptOutOfRange);
  }

  // Walk the months of the year to the one the count falls in.
  const std::span<const MonthShape, 12> shape = CachedYearShape(year);
  std::int16_t month = 1;
  std::int16_t days_before = 0;  // days of the year before the month: [0, 352]
  while (!(days < days_before + shape[static_cast<std::size_t>(month - 1)].days)) {
    if (month == 12) Raise(kSubscriptOutOfRange);
    days_before =
        static_cast<std::int16_t>(days_before + shape[static_cast<std::size_t>(month - 1)].days);
    ++month;
  }
  std::int16_t day = RoundToInt16(days - days_before + 1);

  // A count less than half a day before a month's start rounds to the day after the end of the
  // month it lies in: that day is the first of the next month.
  if (day > shape[static_cast<std::size_t>(month - 1)].days) {
    day = 1;
    if (month == 12) {
      month = 1;
      year = Add16(year, 1);
    } else {
      ++month;
    }
  }

  std::string text = FormatYMD(year, month, day, sepSlash, datyyyymmdd);
  text += '/';
  text += static_cast<char>('0' + GetWeekDay(year, month, day));  // a weekday code is 0 to 7
  return text;
}

std::string AharGana2NepaliDate(double KaliAhargana, std::int32_t sepCode) {
  std::string text = AharganaToValueString(KaliAhargana);
  // The text has "/" separators already; only another code rewrites it.
  if (sepCode != sepSlash) text = ChangeSeparator(text, sepSlash, sepCode);
  return text;
}

}  // namespace sauramiti::SauramitiRoutine
