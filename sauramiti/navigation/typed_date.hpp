// A BS date as a person types it, read at every keystroke: is it a date yet, can more typing
// still make one, or never?
//
// The text is up to three parts of digits with a separator between them: "-", "/" or "." as
// bs::parse reads them, and "÷", the fourth separator the control writes its dates with. One
// separator throughout, and one kind of digit throughout (ASCII or Devanagari, as bs::parse).
// A year has 1 to 4 digits, a month and a day 1 or 2.
//
// Two forms, for the two ways a date is typed:
//   YearMonthDay  the parts are always year, month and day ("2081-09-15"): the date field.
//   FromTheRight  as many parts as typed, counted from the right: "15" is a day of the page
//                 shown, "9/15" a month and day of its year, "2081/9/15" a whole date: the
//                 terminal picker, where a person jumps about near the month in front of them.
//
// The state says what the text is now, and what typing more (at its end) can make of it:
//   Empty         nothing typed;
//   Complete      a day of the calendar ("2081-09-1" is Poush 1 even though "2081-09-15" may
//                 follow);
//   Intermediate  not a day yet, but a prefix of one ("2081-0", "2081-09-", "0");
//   Invalid       nothing typed after it can make it a day: "2081-13", "2081-09-33" (Poush 2081
//                 has 29 days), "2081--", "20815", "2081/09-" (two separators), "x". A date is
//                 never rolled over into the next month or year.
// Only the end of the text grows, so a part left empty before a separator ("-09-15") is
// Invalid: a field that edits in the middle lets the person select and type over a part.
//
// Examples:
//   ReadTypedDate("2081-09-15", TypedDateForm::YearMonthDay).state         // Complete
//   ReadTypedDate("2081-09-15", TypedDateForm::YearMonthDay).date          // 2081/09/15
//   ReadTypedDate("9/", TypedDateForm::FromTheRight, {2081, 1, 1}).state   // Intermediate
//   ReadTypedDate("2081-13", TypedDateForm::YearMonthDay).problem  // "there is no month 13"
//
// A Complete text of the YearMonthDay form with "-", "/" or "." is exactly what bs::parse
// reads, to the same date.
#pragma once

#include <cstdint>
#include <sauramiti/chrono/year_month_day.hpp>
#include <string>
#include <string_view>

namespace sauramiti::navigation {

enum class TypedDateState : std::int32_t { Empty = 0, Intermediate = 1, Complete = 2, Invalid = 3 };

enum class TypedDateForm : std::int32_t { YearMonthDay = 0, FromTheRight = 1 };

struct TypedDate {
  TypedDateState state = TypedDateState::Empty;
  bs::year_month_day date;  // the day named, when Complete
  std::string problem;      // why it can never be a date, for a person, when Invalid
};

// What `text` (UTF-8) is, in `form`. FromTheRight takes the parts not typed from `page` (its
// year and month; the day is not used).
[[nodiscard]] TypedDate ReadTypedDate(std::string_view text, TypedDateForm form,
                                      const bs::year_month_day& page = {},
                                      const bs::calendar& cal = bs::calendar::model);

}  // namespace sauramiti::navigation
