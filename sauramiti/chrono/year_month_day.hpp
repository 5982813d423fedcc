// A BS date as a value, in the style of std::chrono::year_month_day.
//
// `bs::year_month_day{2081, 9, 15}` is Poush 15, 2081: a signed year, a month 1 (Vaishaka) to
// 12 (Chaitra) and a day 1 to the month's length (29 to 32). Any three numbers make a value;
// `ok()` says whether they name a day of the calendar, BS 1/1/1 to 9999/12/31.
//
// The hub is std::chrono::sys_days, the day count since 1970-01-01 that every chrono calendar
// converts through (BS 2059/01/01 is 2002-04-14, sys_days 11791). For example:
//
//   bs::year_month_day date{2081, 9, 15};
//   std::chrono::sys_days day = bs::to_sys_days(date);              // or: sys_days{date}
//   std::chrono::year_month_day ad{day};                              // 2024-12-30
//   bs::year_month_day back = bs::from_sys_days(day + std::chrono::days{30});  // 2081/10/16
//
// sys_days is proleptic Gregorian, as std::chrono is. (The control's text methods write dates
// before 15 October 1582 in the Julian calendar; the day is the same, only its name differs.)
//
// Every figure is the calendar's (calendar.hpp; the model unless another is passed), and the
// model's are the same the control's nine methods give: the tests compare both for every day of the
// range. Each year's shape is worked out the first time the year is used (under a microsecond), so
// there is no start-up cost; a conversion after that is a few nanoseconds.
//
// Arithmetic: days through sys_days (`add_days`, or sys_days arithmetic); months and years with
// `+` and `-` (std::chrono::months, std::chrono::years). Adding months or years keeps the day
// unless the new month is shorter, in which case the day becomes the new month's last day
// ("clamping", as most date libraries do): Bhadra 31, 2081 plus one month is Asvin 30, 2081.
#pragma once

#include <chrono>
#include <compare>
#include <cstdint>
#include <sauramiti/chrono/calendar.hpp>

namespace sauramiti::bs {

class year_month_day {
 public:
  year_month_day() = default;
  // A month or day above 65535 is kept as 65535, which is no month or day either: the value is
  // eight bytes, passed and returned in one register.
  constexpr year_month_day(int year, unsigned month, unsigned day) noexcept
      : year_(year), month_(Narrow(month)), day_(Narrow(day)) {}
  // The BS date of a day, as from_sys_days(day): a day outside the range is not ok().
  explicit year_month_day(std::chrono::sys_days day) noexcept;
  // The day of the date, as to_sys_days(*this).
  operator std::chrono::sys_days() const noexcept;

  [[nodiscard]] constexpr int year() const noexcept { return year_; }
  [[nodiscard]] constexpr unsigned month() const noexcept { return month_; }
  [[nodiscard]] constexpr unsigned day() const noexcept { return day_; }

  // A day of the calendar: year 1 to 9999, month 1 to 12, day 1 to the month's length.
  [[nodiscard]] bool ok(const calendar& cal = calendar::model) const noexcept;

  friend constexpr bool operator==(const year_month_day&, const year_month_day&) = default;
  friend constexpr std::strong_ordering operator<=>(const year_month_day&,
                                                    const year_month_day&) = default;

 private:
  static constexpr std::uint16_t Narrow(unsigned value) noexcept {
    return value > 0xFFFFU ? std::uint16_t{0xFFFF} : static_cast<std::uint16_t>(value);
  }

  std::int32_t year_ = 0;
  std::uint16_t month_ = 0;
  std::uint16_t day_ = 0;
};

// Days in a BS month (29 to 32); 0 for a year outside 1 to 9999 or a month outside 1 to 12.
[[nodiscard]] unsigned days_in_month(int year, unsigned month,
                                     const calendar& cal = calendar::model) noexcept;

// The day of a date. A day past the month's end (or 0) counts on from the month's first day, as
// std::chrono does (2059/01/32 is the day of 2059/02/01); a year outside 1 to 9999 or a month
// outside 1 to 12 gives std::chrono::sys_days::max().
[[nodiscard]] std::chrono::sys_days to_sys_days(const year_month_day& date,
                                                const calendar& cal = calendar::model) noexcept;

// The BS date of a day; a day before BS 1/1/1 or after 9999/12/31 gives year_month_day{},
// which is not ok().
[[nodiscard]] year_month_day from_sys_days(std::chrono::sys_days day,
                                           const calendar& cal = calendar::model) noexcept;

// The weekday of a date (BS 2059/01/01 is a Sunday); for a date that is not ok(), a weekday
// that is not ok() either.
[[nodiscard]] std::chrono::weekday weekday(const year_month_day& date,
                                           const calendar& cal = calendar::model) noexcept;

// The Kali Ahargana, the count of civil days since the start of the Kali era (BS 2059/01/01 is
// 1863913, as GetKaliAhargana gives); 0 for a date that is not ok().
[[nodiscard]] std::int32_t kali_ahargana(const year_month_day& date,
                                         const calendar& cal = calendar::model) noexcept;

// The BS date of a Kali Ahargana; a count outside the range gives a date that is not ok().
[[nodiscard]] year_month_day from_kali_ahargana(std::int32_t count,
                                                const calendar& cal = calendar::model) noexcept;

// The day `date` names in calendar `from`, named in calendar `to` (both cover the same days):
// published 2082/03/32 is model 2082/04/01. Not ok() when `date` is no day of `from`.
[[nodiscard]] year_month_day in_calendar(const year_month_day& date, const calendar& from,
                                         const calendar& to) noexcept;

// The date `count` days later (earlier for a negative count); not ok() past either end.
[[nodiscard]] year_month_day add_days(const year_month_day& date, std::chrono::days count,
                                      const calendar& cal = calendar::model) noexcept;

// The date `count` months later, the day clamped to the new month's last day. A date that is not
// ok(), or a result outside the range, gives year_month_day{}.
[[nodiscard]] year_month_day add_months(const year_month_day& date, std::chrono::months count,
                                        const calendar& cal = calendar::model) noexcept;

// The date `count` years later, the day clamped to the new month's last day, as add_months.
[[nodiscard]] year_month_day add_years(const year_month_day& date, std::chrono::years count,
                                       const calendar& cal = calendar::model) noexcept;

// Days from `from` to `to`: positive when `to` is later; 0 unless both are ok().
[[nodiscard]] std::chrono::days days_between(const year_month_day& from, const year_month_day& to,
                                             const calendar& cal = calendar::model) noexcept;

[[nodiscard]] inline year_month_day operator+(const year_month_day& date,
                                              std::chrono::months count) noexcept {
  return add_months(date, count);
}
[[nodiscard]] inline year_month_day operator+(std::chrono::months count,
                                              const year_month_day& date) noexcept {
  return add_months(date, count);
}
[[nodiscard]] inline year_month_day operator-(const year_month_day& date,
                                              std::chrono::months count) noexcept {
  return add_months(date, -count);
}
[[nodiscard]] inline year_month_day operator+(const year_month_day& date,
                                              std::chrono::years count) noexcept {
  return add_years(date, count);
}
[[nodiscard]] inline year_month_day operator+(std::chrono::years count,
                                              const year_month_day& date) noexcept {
  return add_years(date, count);
}
[[nodiscard]] inline year_month_day operator-(const year_month_day& date,
                                              std::chrono::years count) noexcept {
  return add_years(date, -count);
}

}  // namespace sauramiti::bs
