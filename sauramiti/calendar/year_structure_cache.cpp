#include <array>
#include <atomic>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/year_structure_cache.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

constexpr std::uint64_t kFilled = std::uint64_t{1} << 63;

}  // namespace

// Zero means "not yet worked out"; a filled word always has bit 63 set. Constant-initialised,
// so the table costs nothing until a year is asked for.
std::array<std::atomic<std::uint64_t>, 10000> detail::gYearWords{};

std::int16_t ComputeFirstWeekDay(std::int16_t year, std::int16_t month) {
  if (year < 1941 || year > 2156) return CalcFirstWeekDayOutOfRange(year, month);
  return CalcFirstWeekDayInRange(year, month);
}

YearShape YearShape::Compute(std::int16_t year) {
  std::array<int, 13> first{};
  for (std::int16_t m = 1; m <= 12; ++m)
    first[static_cast<std::size_t>(m - 1)] = ComputeFirstWeekDay(year, m);
  // The month after the last one of year 9999 lies outside the valid years; its first weekday
  // comes from the coarse formula, which gives the range's last month the model's own length
  // (31 days) rather than one measured against a weekday of 0.
  first[12] = year == 9999 ? CalcFirstWeekDayOutOfRange(10000, 1)
                           : ComputeFirstWeekDay(static_cast<std::int16_t>(year + 1), 1);
  std::uint64_t bits = kFilled;
  int days_before = 0;  // days of the year before month i + 2
  for (std::size_t i = 0; i < 12; ++i) {
    int gap = first[i + 1] - first[i];  // [-6, 6]
    if (gap <= 0) gap += 7;             // [1, 7]; 28 + gap is 29 to 32 in every valid year
    days_before += 28 + gap;
    // 0 or 1 in every year of the range (see YearShape).
    const int late = days_before - detail::kFloorMeanStarts[i + 2];
    bits |= static_cast<std::uint64_t>(late & 1) << i;
  }
  bits |= static_cast<std::uint64_t>(first[0]) << 24;
  const std::int32_t start = CountOnWeekday(year, 1, 1, static_cast<std::int16_t>(first[0]));
  bits |= static_cast<std::uint64_t>(start) << 27;
  return YearShape(bits);
}

std::uint64_t detail::FillYearWord(std::int16_t year) noexcept {
  // No formula step can fail for a valid year, so nothing escapes this noexcept function. Two
  // threads filling the same year store the same bits.
  const std::uint64_t bits = YearShape::Compute(year).Bits();
  gYearWords[static_cast<std::size_t>(year)].store(bits, std::memory_order_relaxed);
  return bits;
}

}  // namespace sauramiti::SauramitiRoutine
