#include <array>
#include <memory>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/year_structure_cache.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

constexpr std::size_t kYears = 9999;
constexpr std::size_t kMonths = 12;

using ShapeTable = std::array<MonthShape, kYears * kMonths>;
using StartTable = std::array<double, kYears>;

std::size_t MonthSlot(std::int16_t year, std::int16_t month) {
  return static_cast<std::size_t>(year - 1) * kMonths + static_cast<std::size_t>(month - 1);
}

std::unique_ptr<const ShapeTable> BuildShapeTable() {
  auto table = std::make_unique<ShapeTable>();
  for (std::int16_t y = 1; y <= static_cast<std::int16_t>(kYears); ++y) {
    for (std::int16_t m = 1; m <= static_cast<std::int16_t>(kMonths); ++m) {
      (*table)[MonthSlot(y, m)].firstWeekDay = static_cast<std::int8_t>(ComputeFirstWeekDay(y, m));
    }
  }
  // A month lasts from its first weekday to the next month's: 28 days plus the gap brought into
  // 1 to 7. The month after the last one of year 9999 lies outside the valid years; its first
  // weekday comes from the coarse formula, which gives the range's last month a length of the
  // model's own (31 days) rather than one measured against a weekday of 0.
  for (std::size_t slot = 0; slot < table->size(); ++slot) {
    const int next = slot + 1 < table->size() ? (*table)[slot + 1].firstWeekDay
                                              : CalcFirstWeekDayOutOfRange(10000, 1);
    int gap = next - (*table)[slot].firstWeekDay;  // [-6, 6]
    if (gap <= 0) gap += 7;                        // [1, 7]
    (*table)[slot].days = static_cast<std::int8_t>(28 + gap);
  }
  return table;
}

const ShapeTable& Shapes() {
  static const std::unique_ptr<const ShapeTable> table = BuildShapeTable();
  return *table;
}

std::unique_ptr<const StartTable> BuildStartTable() {
  auto table = std::make_unique<StartTable>();
  for (std::int16_t y = 1; y <= static_cast<std::int16_t>(kYears); ++y) {
    (*table)[static_cast<std::size_t>(y - 1)] = GetKaliAhargana(y, 1, 1);
  }
  return table;
}

}  // namespace

std::int16_t ComputeFirstWeekDay(std::int16_t year, std::int16_t month) {
  if (year < 1941 || year > 2156) return CalcFirstWeekDayOutOfRange(year, month);
  return CalcFirstWeekDayInRange(year, month);
}

MonthShape CachedMonthShape(std::int16_t year, std::int16_t month) {
  return Shapes()[MonthSlot(year, month)];
}

std::span<const MonthShape, 12> CachedYearShape(std::int16_t year) {
  return std::span<const MonthShape, 12>(&Shapes()[MonthSlot(year, 1)], kMonths);
}

std::int16_t CachedFirstWeekDay(std::int16_t year, std::int16_t month) {
  return CachedMonthShape(year, month).firstWeekDay;
}

double CachedYearStartAhargana(std::int16_t year) {
  // Built through GetKaliAhargana, which reads the shape table, never this one.
  static const std::unique_ptr<const StartTable> table = BuildStartTable();
  return (*table)[static_cast<std::size_t>(year - 1)];
}

}  // namespace sauramiti::SauramitiRoutine
