// The months of the published calendar that differ from the model.
//
// Where the figures come from: the month-length tables that the widely used JavaScript BS
// libraries ship, which agree with each other for every month of BS 1970 to 2083 but four
// months of 1977 and 1991, and which follow the calendar published each year in Nepal.
// Compared with them, the model agrees on 1,348 of the 1,364 months they agree on and starts
// every year on the same day; it differs in the seven years below, each time by one day moved
// between neighbouring months. In 1977 and 1991 one of the libraries matches the model, so the
// model is kept there. Before 1970 and after 2083 nothing is settled: the model stands.
#include <algorithm>
#include <array>
#include <cstdint>
#include <sauramiti/calendar/year_structure_cache.hpp>
#include <sauramiti/chrono/calendar.hpp>

namespace sauramiti::bs {

namespace {

struct MonthLength {
  std::int16_t year;
  std::uint8_t month;   // 1 Vaishakh to 12 Chaitra
  std::uint8_t length;  // the published length
};

// Only the months that differ from the model; in each year the total is the model's.
constexpr std::array<MonthLength, 16> kPublishedCorrections{{
    {1975, 5, 30},
    {1975, 6, 31},  // Bhadra, Ashwin
    {2031, 9, 29},
    {2031, 10, 30},  // Poush, Magh
    {2046, 10, 29},
    {2046, 11, 30},  // Magh, Falgun
    {2062, 1, 30},
    {2062, 2, 32},  // Baisakh, Jestha
    {2066, 9, 30},
    {2066, 10, 29},
    {2066, 11, 29},
    {2066, 12, 31},  // Poush to Chaitra
    {2073, 10, 29},
    {2073, 11, 30},  // Magh, Falgun
    {2082, 3, 32},
    {2082, 4, 31},  // Asar, Shrawan
}};

constexpr std::size_t CountYears() {
  std::size_t years = 0;
  for (std::size_t i = 0; i < kPublishedCorrections.size(); ++i) {
    if (i == 0 || kPublishedCorrections[i].year != kPublishedCorrections[i - 1].year) ++years;
  }
  return years;
}
constexpr std::size_t kYears = CountYears();

// The model's lengths of a year's months, 1 to 12.
std::array<unsigned, 12> ModelLengths(std::int16_t year) {
  const SauramitiRoutine::YearShape shape = SauramitiRoutine::ShapeOfYear(year);
  std::array<unsigned, 12> lengths{};
  for (int m = 1; m <= 12; ++m) {
    lengths[static_cast<std::size_t>(m - 1)] = static_cast<unsigned>(shape.MonthLength(m));
  }
  return lengths;
}

// The corrected years' months, worked out from the model's and the table above when the
// library is loaded (the model's month lengths are computed, not constants).
std::array<calendar::year_months, kYears> BuildRows() {
  std::array<calendar::year_months, kYears> rows{};
  std::size_t row = 0;
  std::array<unsigned, 12> lengths{};
  for (std::size_t i = 0; i < kPublishedCorrections.size(); ++i) {
    const MonthLength& fix = kPublishedCorrections[i];
    if (i == 0 || fix.year != kPublishedCorrections[i - 1].year) lengths = ModelLengths(fix.year);
    lengths[fix.month - 1U] = fix.length;
    const bool last_of_year =
        i + 1 == kPublishedCorrections.size() || kPublishedCorrections[i + 1].year != fix.year;
    if (!last_of_year) continue;
    rows[row] = calendar::year_months{fix.year, calendar::days_before(lengths)};
    ++row;
  }
  return rows;
}

// Filled before main(); the calendar below points at it from the start.
const std::array<calendar::year_months, kYears> kPublishedRows = BuildRows();

}  // namespace

constinit const calendar calendar::published{
    kPublishedRows.data(), static_cast<std::uint16_t>(kYears), kPublishedCorrections.front().year,
    kPublishedCorrections.back().year};

}  // namespace sauramiti::bs
