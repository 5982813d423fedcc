// Which calendar the typed BS functions follow.
//
// A calendar is a small value passed to every typed function as its last argument, with the
// model as the default: `bs::days_in_month(2082, 4)` and `bs::days_in_month(2082, 4,
// bs::calendar::model)` are the same call.
//
// - calendar::model is the calendar the control computes: month lengths from the formula for the
//   sun's entry into each sign, for BS years 1 to 9999.
// - calendar::published is the model with the months of the calendar published in Nepal where
//   they are settled and differ from it (seven years of 1970 to 2083, each time one day moved
//   between neighbouring months; published_months.cpp lists them). Before 1970 and after 2083
//   nothing is settled and the model stands.
// - with_months() builds a calendar from another and a table of month lengths, so a program can
//   add next year's published months without a new release; from_json() reads that table as
//   `{"2084": [31, 31, 32, ...], ...}`.
//
// Every calendar keeps the model's year starts: a table may only move days between the months
// of a year. A table that would break that (a year of other than 365 or 366 days, a month
// outside 29 to 32 days, a year whose length differs from the model's and so moves the next
// year's start) is refused with std::invalid_argument, whose message names the year.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

namespace sauramiti::bs {

class calendar {
 public:
  // One year that differs from the model: the days before month 1 to 13 (index 0 is month 1,
  // always 0; index 12 is the year's length).
  struct year_months {
    std::int16_t year;
    std::array<std::uint16_t, 13> days_before;
  };

  // The model calendar: the control's own, for every day of BS 1/1/1 to 9999/12/31.
  static const calendar model;
  // The model with the published months of 1970 to 2083 where they differ from it.
  static const calendar published;

  // This calendar with the years of `months` (year -> the lengths of months 1 to 12) replaced;
  // a year not in `months` stays as this calendar has it. Throws std::invalid_argument when a
  // year is outside 1 to 9999 or its months break the rules above.
  [[nodiscard]] calendar with_months(const std::map<int, std::array<unsigned, 12>>& months) const;
  // The same from a JSON object whose member names are years and whose values are arrays of
  // twelve month lengths. Throws std::invalid_argument for text that is not such an object.
  [[nodiscard]] calendar from_json(std::string_view json) const;

  // True when the calendar is the model for every day.
  [[nodiscard]] bool is_model() const noexcept { return count_ == 0; }

  // False when the year's months are surely the model's: one comparison, for the fast path.
  [[nodiscard]] bool may_differ(int year) const noexcept {
    return static_cast<unsigned>(year - first_) < span_;
  }
  // The year's months if they differ from the model, otherwise nullptr.
  [[nodiscard]] const year_months* find(int year) const noexcept {
    return may_differ(year) ? FindInRows(year) : nullptr;
  }

  // The days before months 1 to 13 of month lengths 1 to 12.
  static std::array<std::uint16_t, 13> days_before(
      const std::array<unsigned, 12>& lengths) noexcept;

  // Two calendars are equal when they give every year the same months.
  friend bool operator==(const calendar& a, const calendar& b) noexcept;

 private:
  constexpr calendar() noexcept = default;
  constexpr calendar(const year_months* rows, std::uint16_t count, std::int16_t first,
                     std::int16_t last) noexcept
      : rows_(rows),
        count_(count),
        first_(first),
        span_(static_cast<std::uint16_t>(last - first + 1)) {}
  const year_months* FindInRows(int year) const noexcept;

  const year_months* rows_ = nullptr;  // sorted by year
  std::uint16_t count_ = 0;
  std::int16_t first_ = 0;  // the years first_ to first_ + span_ - 1 may differ from the model
  std::uint16_t span_ = 0;
  std::shared_ptr<const std::vector<year_months>> owned_;  // the rows of a built calendar
};

}  // namespace sauramiti::bs
