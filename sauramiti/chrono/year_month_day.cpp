#include <algorithm>
#include <sauramiti/calendar/year_structure_cache.hpp>
#include <sauramiti/chrono/year_month_day.hpp>

namespace sauramiti::bs {

namespace {

using SauramitiRoutine::ShapeOfYear;
using SauramitiRoutine::YearShape;
using std::chrono::days;
using std::chrono::sys_days;

// Kali Ahargana of 1970-01-01, the day sys_days counts from (Julian day 2440587.5, less the
// 588465.5 that separates the two counts).
constexpr std::int64_t kUnixEpochCount = 1852122;
constexpr std::int64_t kFirstCount = SauramitiRoutine::kFirstDayCount;
constexpr std::int64_t kEndCount = SauramitiRoutine::kEndDayCount;

constexpr bool InRange(int year, unsigned month) noexcept {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12;
}

// Every typed function reads a year's months through the two functions below: a calendar keeps
// the model's year starts, so only the months differ, and a year the calendar surely leaves as
// the model has it costs one comparison (calendar::may_differ) before the model's fast path. The
// table's path is kept out of line so that the fast path stays a leaf.

// Days before month 1 to 13 of a valid year.
[[gnu::noinline]] int DaysBeforeInTable(int year, int month, const calendar& cal) noexcept {
  if (const calendar::year_months* row = cal.find(year)) {
    return row->days_before[static_cast<std::size_t>(month - 1)];
  }
  return ShapeOfYear(static_cast<std::int16_t>(year)).DaysBeforeMonth(month);
}

inline int DaysBefore(int year, int month, const calendar& cal) noexcept {
  if (cal.may_differ(year)) [[unlikely]]
    return DaysBeforeInTable(year, month, cal);
  return ShapeOfYear(static_cast<std::int16_t>(year)).DaysBeforeMonth(month);
}

// The date of a count of the range in the table's year, given the model's date of it.
[[gnu::noinline]] year_month_day DateInTable(std::int64_t count, int year, unsigned month,
                                             unsigned day, const calendar& cal) noexcept {
  const calendar::year_months* row = cal.find(year);
  if (row == nullptr) return {year, month, day};
  // The year is the model's (its start does not move); its months are the row's.
  const auto day_of_year =
      static_cast<std::uint16_t>(count - ShapeOfYear(static_cast<std::int16_t>(year)).StartCount());
  unsigned m = 1;
  while (m < 12 && row->days_before[m] <= day_of_year) ++m;
  return {year, m, day_of_year - row->days_before[m - 1] + 1U};
}

year_month_day FromCount(std::int64_t count, const calendar& cal) noexcept {
  if (count < kFirstCount || count >= kEndCount) return {};
  const SauramitiRoutine::DateOfDay date =
      SauramitiRoutine::DateOfDayCount(static_cast<std::int32_t>(count));
  const auto month = static_cast<unsigned>(date.month);
  const auto day = static_cast<unsigned>(date.day);
  if (cal.may_differ(date.year)) [[unlikely]]
    return DateInTable(count, date.year, month, day, cal);
  return {date.year, month, day};
}

// The count of an ok() date.
std::int64_t CountOf(const year_month_day& date, const calendar& cal) noexcept {
  const YearShape shape = ShapeOfYear(static_cast<std::int16_t>(date.year()));
  const auto month = static_cast<int>(date.month());
  const int before = cal.may_differ(date.year()) ? DaysBeforeInTable(date.year(), month, cal)
                                                 : shape.DaysBeforeMonth(month);
  return shape.StartCount() + before + static_cast<std::int64_t>(date.day()) - 1;
}

sys_days DayOfCount(std::int64_t count) noexcept {
  return sys_days{days{static_cast<days::rep>(count - kUnixEpochCount)}};
}

}  // namespace

year_month_day::year_month_day(sys_days day) noexcept : year_month_day(from_sys_days(day)) {}

year_month_day::operator sys_days() const noexcept { return to_sys_days(*this); }

bool year_month_day::ok(const calendar& cal) const noexcept {
  return day_ >= 1 && day_ <= days_in_month(year_, month_, cal);
}

unsigned days_in_month(int year, unsigned month, const calendar& cal) noexcept {
  if (!InRange(year, month)) return 0;
  const auto m = static_cast<int>(month);
  return static_cast<unsigned>(DaysBefore(year, m + 1, cal) - DaysBefore(year, m, cal));
}

sys_days to_sys_days(const year_month_day& date, const calendar& cal) noexcept {
  if (!InRange(date.year(), date.month())) return sys_days::max();
  return DayOfCount(CountOf(date, cal));
}

year_month_day from_sys_days(sys_days day, const calendar& cal) noexcept {
  const days::rep since_epoch = day.time_since_epoch().count();
  // Compared before adding, so that no day, however far, overflows the sum.
  if (since_epoch < kFirstCount - kUnixEpochCount || since_epoch >= kEndCount - kUnixEpochCount) {
    return {};
  }
  return FromCount(since_epoch + kUnixEpochCount, cal);
}

std::chrono::weekday weekday(const year_month_day& date, const calendar& cal) noexcept {
  if (!date.ok(cal)) return std::chrono::weekday{8};  // 8 is no weekday: ok() is false
  return std::chrono::weekday{DayOfCount(CountOf(date, cal))};
}

std::int32_t kali_ahargana(const year_month_day& date, const calendar& cal) noexcept {
  if (!date.ok(cal)) return 0;
  return static_cast<std::int32_t>(CountOf(date, cal));  // [1112210, 4764432]
}

year_month_day from_kali_ahargana(std::int32_t count, const calendar& cal) noexcept {
  return FromCount(count, cal);
}

year_month_day in_calendar(const year_month_day& date, const calendar& from,
                           const calendar& to) noexcept {
  if (!date.ok(from)) return {};
  return FromCount(CountOf(date, from), to);
}

year_month_day add_days(const year_month_day& date, days count, const calendar& cal) noexcept {
  if (!date.ok(cal)) return {};
  // Counts beyond the range stop at its edges, so the sum cannot overflow.
  const days::rep step = std::clamp<days::rep>(count.count(), -kEndCount, kEndCount);
  return FromCount(CountOf(date, cal) + step, cal);
}

year_month_day add_months(const year_month_day& date, std::chrono::months count,
                          const calendar& cal) noexcept {
  if (!date.ok(cal)) return {};
  // 9999 years are 119988 months: a longer step leaves the range from anywhere.
  constexpr std::int64_t kSpan = std::int64_t{9999} * 12;
  const std::int64_t step = std::clamp<std::int64_t>(count.count(), -kSpan, kSpan);
  const std::int64_t index = std::int64_t{date.year()} * 12 + (date.month() - 1) + step;
  const auto year = static_cast<int>(index / 12);  // index >= 0 whenever the year is >= 1
  if (index < 12 || year > 9999) return {};
  const auto month = static_cast<unsigned>(index % 12 + 1);
  return {year, month, std::min(date.day(), days_in_month(year, month, cal))};
}

year_month_day add_years(const year_month_day& date, std::chrono::years count,
                         const calendar& cal) noexcept {
  const std::int64_t years = std::clamp<std::int64_t>(count.count(), -10000, 10000);
  return add_months(date, std::chrono::months{years * 12}, cal);
}

days days_between(const year_month_day& from, const year_month_day& to,
                  const calendar& cal) noexcept {
  if (!from.ok(cal) || !to.ok(cal)) return days{0};
  return days{static_cast<days::rep>(CountOf(to, cal) - CountOf(from, cal))};
}

}  // namespace sauramiti::bs
