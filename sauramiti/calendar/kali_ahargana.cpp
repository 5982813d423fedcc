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

std::int32_t CountOnWeekday(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                            std::int16_t weekday) {
  // Solar days since the Kali epoch, counting 30-day months: [1063429, 4728574] for every year
  // 1 to 9999 and month 1 to 12, whatever the day.
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
  return estimate + shift;
}

double GetKaliAhargana(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                       std::int16_t mywkday) {
  if (mywkday != 9) {
    if (!IsValidYear(myYear) || !IsValidMonth(myMonth) || !IsValidWeekDay(mywkday)) return 0;
    return CountOnWeekday(myYear, myMonth, myDay, mywkday);
  }
  if (!IsValidDate(myYear, myMonth, myDay, disNepali)) return 0;
  // For an existing date the weekday placement lands on the year's start plus the days before
  // the date (the tests check every day of the range), so the count comes from the year table.
  const YearShape year = ShapeOfYear(myYear);
  return year.StartCount() + year.DaysBeforeMonth(myMonth) + myDay - 1;
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

namespace {

struct DateOfCount {
  std::int16_t year;
  std::int16_t month;
  std::int16_t day;
  std::int16_t weekday;  // 0 for a day outside its month, as GetWeekDay answers
};

// GetYearStartAhargana, read straight from the year table.
double YearStartOrZero(std::int16_t year) noexcept {
  return IsValidYear(year) ? ShapeOfYear(year).StartCount() : 0;
}

// The last whole count the walk below converts: BS 9999/01/03. From the next count on, the
// year estimate is 9999 and the year after it, 10000, fails.
constexpr double kLastConvertibleCount = 4764069;

// The weekday code (1 Sunday to 7 Saturday) of day `day` of a month of a valid year.
std::int16_t WeekDayInMonth(std::int16_t year, int month, int day) noexcept {
  return static_cast<std::int16_t>((ShapeOfYear(year).FirstWeekDay(month) + day - 2) % 7 + 1);
}

// The year in which count K falls and the days since its start (fraction kept); a year past
// 9999 comes with the whole count.
struct YearAndDays {
  std::int16_t year;
  double days;
};
YearAndDays YearOfCount(double K) {
  // Estimate the year in 360-day solar years. The solar count is positive here (at least 357),
  // so the integer quotient is floor(solar / 360).
  const std::int32_t solar = Sub32(RoundToInt32(K * kSolarPerCivil), kSolarDaysBeforeBsZero);
  const std::int16_t estimate = To16(solar / 360);
  const std::int16_t next = Add16(estimate, 1);
  const double next_start = YearStartOrZero(next);
  if (K < next_start) return {estimate, K - YearStartOrZero(estimate)};
  return {next, K - next_start};
}

DateOfCount DateOfAhargana(double K) {
  if (std::isnan(K) || std::isinf(K)) Raise(kOverflow);
  if (K < kFirstCount) Raise(kSubscriptOutOfRange);
  // A whole count of the range is a day of the year table: the walk below comes to the same
  // date for each of them (the tests convert every day both ways).
  if (K <= kLastConvertibleCount && K == std::floor(K)) {
    const DateOfDay date = DateOfDayCount(static_cast<std::int32_t>(K));
    const auto year = static_cast<std::int16_t>(date.year);
    return {year, static_cast<std::int16_t>(date.month), static_cast<std::int16_t>(date.day),
            WeekDayInMonth(year, date.month, date.day)};
  }

  auto [year, days] = YearOfCount(K);

  // A year past 9999 has a start of 0, so `days` is the whole count, far more than the 420 days
  // its twelve 35-day months would hold: no month of it can take the count. Its table is still
  // built, as the walk would, so that a year whose next year overflows fails as such.
  if (!IsValidYear(year)) {
    BuildMonthTables(year);
    Raise(kSubscriptOutOfRange);
  }

  // The month is the first whose end lies beyond `days`. Month ends are whole numbers, so the
  // whole part of `days` decides; a day at or past the year's end finds no month, as no month
  // of the walk takes it.
  const YearShape shape = ShapeOfYear(year);
  const double whole = std::floor(days);
  if (!(whole < shape.DaysBeforeMonth(13))) Raise(kSubscriptOutOfRange);
  int month = whole >= 0 ? MonthOfDay(shape, static_cast<int>(whole)) : 1;
  std::int16_t day = RoundToInt16(days - shape.DaysBeforeMonth(month) + 1);

  // A count less than half a day before a month's start rounds to the day after the end of the
  // month it lies in: that day is the first of the next month.
  if (day > shape.MonthLength(month)) {
    day = 1;
    if (month == 12) {
      month = 1;
      year = Add16(year, 1);
    } else {
      ++month;
    }
  }
  // The weekday as GetWeekDay gives it: 0 for a day before the month's first (a count just
  // before the start of the estimated year) or a year past the range.
  std::int16_t weekday = 0;
  if (day >= 1 && IsValidYear(year)) weekday = WeekDayInMonth(year, month, day);
  return {year, static_cast<std::int16_t>(month), day, weekday};
}

}  // namespace

std::string AharganaToValueString(double K) { return AharGana2NepaliDate(K, sepSlash); }

std::string AharGana2NepaliDate(double KaliAhargana, std::int32_t sepCode) {
  const DateOfCount date = DateOfAhargana(KaliAhargana);
  // Written once with the wanted separator: the same text as writing it with "/" and replacing
  // every "/" afterwards, since the fields hold only digits. A negative code fails here, after
  // the date, as the replacement would.
  return FormatValueText(date.year, date.month, date.day, date.weekday, sepCode);
}

}  // namespace sauramiti::SauramitiRoutine
