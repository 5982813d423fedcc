// The shape of each BS year, worked out the first time it is asked for.
//
// The first-weekday formulas are pure functions of year and month, and everything else about a
// year follows from them: a month's length is the gap to the next month's first weekday, and
// the year's first day is the Kali Ahargana that falls on month 1's first weekday. One year
// takes fourteen formula evaluations (its twelve months and month 1 of the next year), well
// under a microsecond, so nothing is prepared in advance: the first call of a process pays for
// the years it touches and nothing else, and every later call reads one 64-bit word.
//
// Each year is one word, filled at most once and read without a lock (a word is written whole,
// and two threads that fill the same year write the same bits). The values are the formulas'
// own, bit for bit; the tests compare them with direct computation for every month of 1 to 9999.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <sauramiti/calendar/calendar_tables.hpp>

namespace sauramiti::SauramitiRoutine {

// The first weekday of a valid month (year 1 to 9999, month 1 to 12) by the formula that
// governs its year, computed afresh.
[[nodiscard]] std::int16_t ComputeFirstWeekDay(std::int16_t year, std::int16_t month);

namespace detail {
// floor(MonthStartTable[m - 1]) for m = 1 to 13: the whole days of the mean start of month m
// (13: the year's end).
constexpr std::array<int, 14> FloorMeanStarts() {
  std::array<int, 14> starts{};
  for (std::size_t m = 1; m <= 13; ++m) starts[m] = static_cast<int>(MonthStartTable[m - 1]);
  return starts;
}
inline constexpr std::array<int, 14> kFloorMeanStarts = FloorMeanStarts();
}  // namespace detail

// One BS year packed into 64 bits:
//   bits  0-11  for months 2 to 13 (13: the year's end), whether the month starts one day after
//               the whole days of its mean start: days before month m = floor(mean start) + bit
//   bits 24-26  the weekday code (1 to 7) of the first day of month 1
//   bits 27-49  the Kali Ahargana of the first day of month 1 (at most 4764067 < 2^23)
//   bit  63     set once the word holds a year
// One bit is enough: a civil month starts between 1 day before and 0.92 days after its mean
// start, the running sum of the solar month lengths, in every year of the range (the tests
// that convert every day, and those that check every month against the formulas, confirm it),
// so its start is floor(mean start) or the day after.
class YearShape {
 public:
  constexpr explicit YearShape(std::uint64_t bits) noexcept : bits_(bits) {}

  // Works the year out from the formulas; year 1 to 9999.
  static YearShape Compute(std::int16_t year);

  [[nodiscard]] constexpr std::uint64_t Bits() const noexcept { return bits_; }

  // Kali Ahargana of the year's first day.
  [[nodiscard]] constexpr std::int32_t StartCount() const noexcept {
    return static_cast<std::int32_t>((bits_ >> 27) & 0x7FFFFF);
  }
  // 1 if month 1 to 13 starts one day after the whole days of its mean start, else 0.
  [[nodiscard]] constexpr int StartsLate(int month) const noexcept {
    // Month m's bit is bit m - 2; shifted one place up, month 1 reads the clear bit 0 (it starts
    // the year, and its mean start is 0).
    return static_cast<int>(((bits_ << 1) >> (month - 1)) & 1);
  }
  // Days of the year before month 1 to 13 (13 gives the year's length): [0, 366].
  [[nodiscard]] constexpr int DaysBeforeMonth(int month) const noexcept {
    return detail::kFloorMeanStarts[static_cast<std::size_t>(month)] + StartsLate(month);
  }
  // Length of month 1 to 12: [29, 32].
  [[nodiscard]] constexpr int MonthLength(int month) const noexcept {
    return DaysBeforeMonth(month + 1) - DaysBeforeMonth(month);
  }
  // Weekday code (1 Sunday to 7 Saturday) of day 1 of month 1 to 12.
  [[nodiscard]] constexpr int FirstWeekDay(int month) const noexcept {
    const int first = static_cast<int>((bits_ >> 24) & 7);  // [1, 7]
    return (first - 1 + DaysBeforeMonth(month)) % 7 + 1;
  }

 private:
  std::uint64_t bits_;
};

namespace detail {
// For each day of a year (0 to 365), the last month whose mean start, the running sum of the
// solar month lengths, is not after it (bits 0-3), with the whole days of that month's mean start
// (bits 4-12) and of the next month's (bits 13-21). Everything a day needs from the tables is in
// one word: a conversion reads it and the year's word, and nothing else.
constexpr std::array<std::uint32_t, 366> MonthGuesses() {
  std::array<std::uint32_t, 366> guesses{};
  std::size_t month = 1;
  for (std::size_t day = 0; day < 366; ++day) {
    while (month < 12 && MonthStartTable[month] <= static_cast<double>(day)) ++month;
    guesses[day] = static_cast<std::uint32_t>(month) |
                   static_cast<std::uint32_t>(kFloorMeanStarts[month]) << 4 |
                   static_cast<std::uint32_t>(kFloorMeanStarts[month + 1]) << 13;
  }
  return guesses;
}
inline constexpr std::array<std::uint32_t, 366> kMonthGuesses = MonthGuesses();

// One word per year, index 1 to 9999; zero until the year is first asked for.
extern std::array<std::atomic<std::uint64_t>, 10000> gYearWords;
// Works the year out and stores its word; returns the word.
std::uint64_t FillYearWord(std::int16_t year) noexcept;
}  // namespace detail

// A month (1 to 12) and the day of it (1 to 32).
struct MonthAndDay {
  int month;
  int day;
};

// The month and day on which day `day_of_year` (0 to the year's length less 1) of the year
// falls. A civil month starts within a day of its mean start: the first weekday formulas place
// it between 1 day before and 0.92 days after the running sum of the solar month lengths (in
// every year of the range, as the tests that convert every day confirm). So the month whose mean
// start is the last one not after the day is the right month or the one before the right one, and
// one comparison decides.
constexpr MonthAndDay MonthAndDayOfDay(const YearShape& shape, int day_of_year) noexcept {
  const std::uint32_t guess = detail::kMonthGuesses[static_cast<std::size_t>(day_of_year)];
  const auto month = static_cast<int>(guess & 15);
  const int start = static_cast<int>((guess >> 4) & 511) + shape.StartsLate(month);
  const int next_start = static_cast<int>(guess >> 13) + shape.StartsLate(month + 1);
  if (day_of_year >= next_start) return {month + 1, day_of_year - next_start + 1};
  return {month, day_of_year - start + 1};
}

// The month (1 to 12) in which day `day_of_year` of the year falls.
constexpr int MonthOfDay(const YearShape& shape, int day_of_year) noexcept {
  return MonthAndDayOfDay(shape, day_of_year).month;
}

// The shape of a valid year (1 to 9999): computed on first use, then read from memory.
// Thread-safe and lock-free; inline, since every conversion reads one or two years.
inline YearShape ShapeOfYear(std::int16_t year) noexcept {
  const std::uint64_t bits =
      detail::gYearWords[static_cast<std::size_t>(year)].load(std::memory_order_relaxed);
  return YearShape(bits != 0 ? bits : detail::FillYearWord(year));
}

// What one month of a valid year is: its first weekday code (1 to 7) and length in days.
struct MonthShape {
  std::int8_t firstWeekDay;
  std::int8_t days;
};

// The shape of a valid month (year 1 to 9999, month 1 to 12).
inline MonthShape CachedMonthShape(std::int16_t year, std::int16_t month) noexcept {
  const YearShape shape = ShapeOfYear(year);
  return {static_cast<std::int8_t>(shape.FirstWeekDay(month)),
          static_cast<std::int8_t>(shape.MonthLength(month))};
}

// The first weekday of a valid month.
inline std::int16_t CachedFirstWeekDay(std::int16_t year, std::int16_t month) noexcept {
  return static_cast<std::int16_t>(ShapeOfYear(year).FirstWeekDay(month));
}

// The Kali Ahargana of BS year/01/01 for a valid year (1 to 9999).
inline double CachedYearStartAhargana(std::int16_t year) noexcept {
  return ShapeOfYear(year).StartCount();
}

// A BS date of the range as numbers.
struct DateOfDay {
  int year;
  int month;
  int day;
};

// The first day of BS year 1 and the day after 9999/12/31 (year 9999 has 366 days), as Kali
// Ahargana counts.
inline constexpr std::int32_t kFirstDayCount = 1112210;
inline constexpr std::int32_t kEndDayCount = 4764433;

// The BS date of a whole Kali Ahargana of [kFirstDayCount, kEndDayCount).
inline DateOfDay DateOfDayCount(std::int32_t count) noexcept {
  // Year y starts between 0.29 days before and 0.81 days after day 1112210 + (y - 1) x
  // 365.25875648 of the count: a guess from the middle of that band, (days - 0.26) / 365.25875648,
  // is right but for days within a day of a year's start, where one step mends it. The division
  // is a multiplication by 2^40 / 365.25875648 and a shift (WebAssembly has no multiply-high, so
  // a 64-bit division by a constant stays a division there); the fixed point's error is under
  // 1e-5 days over the whole range, far inside the band.
  constexpr std::uint64_t kYearsPerDay = 3010226609;         // round(2^40 / 365.25875648)
  constexpr std::uint64_t kOneYearLessBias = 1098728968858;  // 2^40 - round(0.26 x that)
  const auto days = static_cast<std::uint64_t>(count - kFirstDayCount);  // [0, 3652223]
  const auto guess = static_cast<int>((days * kYearsPerDay + kOneYearLessBias) >> 40);
  auto year = static_cast<std::int16_t>(guess > 1 ? guess : 1);  // day 0 starts year 1
  YearShape shape = ShapeOfYear(year);
  if (count < shape.StartCount()) {
    shape = ShapeOfYear(--year);
  } else if (count >= shape.StartCount() + shape.DaysBeforeMonth(13)) {
    shape = ShapeOfYear(++year);
  }
  const MonthAndDay date = MonthAndDayOfDay(shape, count - shape.StartCount());
  return {year, date.month, date.day};
}

}  // namespace sauramiti::SauramitiRoutine
