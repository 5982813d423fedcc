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

namespace sauramiti::SauramitiRoutine {

// The first weekday of a valid month (year 1 to 9999, month 1 to 12) by the formula that
// governs its year, computed afresh.
std::int16_t ComputeFirstWeekDay(std::int16_t year, std::int16_t month);

// One BS year packed into 64 bits:
//   bits  0-23  the lengths of months 1 to 12 less 29, two bits each, month 1 lowest
//   bits 24-26  the weekday code (1 to 7) of the first day of month 1
//   bits 27-49  the Kali Ahargana of the first day of month 1 (at most 4764067 < 2^23)
//   bit  63     set once the word holds a year
// Every month of years 1 to 9999 has 29 to 32 days, which the two bits per month rely on.
class YearShape {
 public:
  constexpr explicit YearShape(std::uint64_t bits) noexcept : bits_(bits) {}

  // Works the year out from the formulas; year 1 to 9999.
  static YearShape Compute(std::int16_t year);

  constexpr std::uint64_t Bits() const noexcept { return bits_; }

  // Kali Ahargana of the year's first day.
  constexpr std::int32_t StartCount() const noexcept {
    return static_cast<std::int32_t>((bits_ >> 27) & 0x7FFFFF);
  }
  // Length of month 1 to 12: [29, 32].
  constexpr int MonthLength(int month) const noexcept {
    return 29 + static_cast<int>((bits_ >> (2 * (month - 1))) & 3);
  }
  // Days of the year before month 1 to 13 (13 gives the year's length): [0, 366].
  constexpr int DaysBeforeMonth(int month) const noexcept {
    // 29 a month, plus the two-bit excesses of the earlier months added in parallel: pairs of
    // fields into 4-bit sums, those into bytes, and the three bytes by one multiplication.
    const auto fields = static_cast<std::uint32_t>(bits_) & ((1U << (2 * (month - 1))) - 1);
    const std::uint32_t nibbles = (fields & 0x333333U) + ((fields >> 2) & 0x333333U);  // [0, 6]
    const std::uint32_t bytes = (nibbles & 0x0F0F0FU) + ((nibbles >> 4) & 0x0F0F0FU);  // [0, 12]
    return 29 * (month - 1) + static_cast<int>(((bytes * 0x010101U) >> 16) & 0xFFU);
  }
  // Weekday code (1 Sunday to 7 Saturday) of day 1 of month 1 to 12.
  constexpr int FirstWeekDay(int month) const noexcept {
    const int first = static_cast<int>((bits_ >> 24) & 7);  // [1, 7]
    return (first - 1 + DaysBeforeMonth(month)) % 7 + 1;
  }

 private:
  std::uint64_t bits_;
};

namespace detail {
// One word per year, index 1 to 9999; zero until the year is first asked for.
extern std::array<std::atomic<std::uint64_t>, 10000> gYearWords;
// Works the year out and stores its word; returns the word.
std::uint64_t FillYearWord(std::int16_t year) noexcept;
}  // namespace detail

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

}  // namespace sauramiti::SauramitiRoutine
