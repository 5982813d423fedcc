#include <array>
#include <memory>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/year_structure_cache.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

constexpr std::size_t kYears = 9999;
constexpr std::size_t kMonths = 12;

using Table = std::array<std::int8_t, kYears * kMonths>;

std::unique_ptr<const Table> BuildTable() {
  auto table = std::make_unique<Table>();
  for (std::size_t y = 1; y <= kYears; ++y) {
    for (std::size_t m = 1; m <= kMonths; ++m) {
      (*table)[(y - 1) * kMonths + (m - 1)] = static_cast<std::int8_t>(
          ComputeFirstWeekDay(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m)));
    }
  }
  return table;
}

}  // namespace

std::int16_t ComputeFirstWeekDay(std::int16_t year, std::int16_t month) {
  if (year < 1941 || year > 2156) return CalcFirstWeekDayOutOfRange(year, month);
  return CalcFirstWeekDayInRange(year, month);
}

std::int16_t CachedFirstWeekDay(std::int16_t year, std::int16_t month) {
  static const std::unique_ptr<const Table> table = BuildTable();
  return (
      *table)[static_cast<std::size_t>(year - 1) * kMonths + static_cast<std::size_t>(month - 1)];
}

}  // namespace sauramiti::SauramitiRoutine
