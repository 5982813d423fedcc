// A date read as it is typed: what each text is now, and what typing more can make of it.
#include <gtest/gtest.h>

#include <random>
#include <sauramiti/chrono/date_format.hpp>
#include <sauramiti/navigation/typed_date.hpp>
#include <string>

namespace sauramiti::navigation {
namespace {

using enum TypedDateState;

// "2081" with Devanagari digits, and the control's fourth separator.
const std::string kDevanagari2081 = "\xE0\xA5\xA8\xE0\xA5\xA6\xE0\xA5\xAE\xE0\xA5\xA7";
const std::string kDivide = "\xC3\xB7";

TEST(TypedDateTest, YearMonthDayTexts) {
  const unsigned poush = bs::days_in_month(2081, 9);
  const std::string pastPoush = "2081-09-" + std::to_string(poush + 1);
  const struct {
    std::string text;
    TypedDateState state;
    bs::year_month_day date;
  } cases[] = {
      {"", Empty, {}},
      {"2081-09-15", Complete, {2081, 9, 15}},
      {"2081/9/15", Complete, {2081, 9, 15}},
      {"2081.09.5", Complete, {2081, 9, 5}},
      {"2081" + kDivide + "09" + kDivide + "15", Complete, {2081, 9, 15}},
      {kDevanagari2081 + "-\xE0\xA5\xA6\xE0\xA5\xAF-\xE0\xA5\xA7", Complete, {2081, 9, 1}},
      {"1-1-1", Complete, {1, 1, 1}},
      {"0001-01-01", Complete, {1, 1, 1}},
      {"2081-09-1", Complete, {2081, 9, 1}},  // a day, though "2081-09-15" may follow
      {"2", Intermediate, {}},
      {"0", Intermediate, {}},  // "0001"
      {"000", Intermediate, {}},
      {"2081", Intermediate, {}},
      {"2081-", Intermediate, {}},
      {"2081-0", Intermediate, {}},
      {"2081-1", Intermediate, {}},
      {"2081-09-", Intermediate, {}},
      {"2081-09-0", Intermediate, {}},
      {kDevanagari2081, Intermediate, {}},
      {"0000", Invalid, {}},
      {"0-", Invalid, {}},
      {"20815", Invalid, {}},
      {"2081-13", Invalid, {}},
      {"2081-00", Invalid, {}},
      {"2081-0-", Invalid, {}},
      {"2081-13-01", Invalid, {}},
      {"2081-09-33", Invalid, {}},
      {pastPoush, Invalid, {}},
      {"2081-09-00", Invalid, {}},
      {"2081-123", Invalid, {}},
      {"2081--15", Invalid, {}},
      {"-09-15", Invalid, {}},
      {"2081-09/15", Invalid, {}},
      {"2081-09-15-", Invalid, {}},
      {"2081-09-15 ", Invalid, {}},
      {" 2081", Invalid, {}},
      {"2081,09", Invalid, {}},
      {"208\xE0\xA5\xA7", Invalid, {}},  // ASCII and Devanagari digits mixed
      {"x", Invalid, {}},
  };
  for (const auto& c : cases) {
    const TypedDate typed = ReadTypedDate(c.text, TypedDateForm::YearMonthDay);
    EXPECT_EQ(typed.state, c.state) << c.text;
    if (c.state == Complete) {
      EXPECT_EQ(typed.date, c.date) << c.text;
    }
    EXPECT_EQ(typed.problem.empty(), c.state != Invalid) << c.text << ": " << typed.problem;
  }
}

TEST(TypedDateTest, ProblemsSayWhatIsWrong) {
  const unsigned poush = bs::days_in_month(2081, 9);
  const struct {
    std::string text;
    TypedDateForm form;
    std::string problem;
  } cases[] = {
      {"2081-13", TypedDateForm::YearMonthDay, "there is no month 13"},
      {"2081-09-" + std::to_string(poush + 1), TypedDateForm::YearMonthDay,
       "Poush 2081 has " + std::to_string(poush) + " days"},
      {"0000", TypedDateForm::YearMonthDay, "there is no year 0: years run from 1 to 9999"},
      {"2081--", TypedDateForm::YearMonthDay, "the month is missing"},
      {"20815", TypedDateForm::YearMonthDay, "no part of a date has more than 4 digits"},
      {"2081/9-", TypedDateForm::YearMonthDay, "one separator throughout, please"},
      {"2081a", TypedDateForm::YearMonthDay, "\"a\" is neither a digit nor a separator"},
      // From the right: the reading that gets furthest is the one explained.
      {"9/" + std::to_string(bs::days_in_month(2081, 9) + 1), TypedDateForm::FromTheRight,
       "Poush 2081 has " + std::to_string(poush) + " days"},
      {"2081/13", TypedDateForm::FromTheRight, "there is no month 13"},
  };
  for (const auto& c : cases) {
    const TypedDate typed = ReadTypedDate(c.text, c.form, {2081, 9, 1});
    EXPECT_EQ(typed.state, Invalid) << c.text;
    EXPECT_EQ(typed.problem, c.problem) << c.text;
  }
}

TEST(TypedDateTest, FromTheRightFillsInThePageShown) {
  const bs::year_month_day page{2081, 9, 20};
  const unsigned poush = bs::days_in_month(2081, 9);
  const struct {
    std::string text;
    TypedDateState state;
    bs::year_month_day date;
  } cases[] = {
      {"15", Complete, {2081, 9, 15}},
      {"1", Complete, {2081, 9, 1}},
      {std::to_string(poush), Complete, {2081, 9, poush}},
      {"3/32", Invalid, {}},  // Asadh has 31 or 32 days: see the check below
      {"9/15", Complete, {2081, 9, 15}},
      {"12.1", Complete, {2081, 12, 1}},
      {"2082/1/1", Complete, {2082, 1, 1}},
      {"0", Intermediate, {}},
      {"45", Intermediate, {}},  // not a day or a month, but perhaps year 45
      {"2081", Intermediate, {}},
      {"9/", Intermediate, {}},
      {"2081/", Intermediate, {}},
      {"2081/9/", Intermediate, {}},
      {"20815", Invalid, {}},
      {"9/15/1", Invalid, {}},  // year 9, month 15
      {"2081/9/15/", Invalid, {}},
      {"0/", Invalid, {}},
  };
  for (const auto& c : cases) {
    const TypedDate typed = ReadTypedDate(c.text, TypedDateForm::FromTheRight, page);
    if (c.text == "3/32" && bs::days_in_month(2081, 3) == 32) {
      EXPECT_EQ(typed.state, Complete) << c.text;
      continue;
    }
    EXPECT_EQ(typed.state, c.state) << c.text;
    if (c.state == Complete) {
      EXPECT_EQ(typed.date, c.date) << c.text;
    }
  }
}

// Every text that bs::parse reads, the year-month-day form reads to the same date, and the
// other way round; and no prefix of a date is ever Invalid.
TEST(TypedDateTest, AgreesWithParseAndNeverRefusesAPrefixOfADate) {
  std::mt19937 random(20811);
  std::uniform_int_distribution<int> year(1, 9999);
  std::uniform_int_distribution<unsigned> month(1, 12);
  std::uniform_int_distribution<int> shape(0, 3);
  for (int i = 0; i < 3000; ++i) {
    const int y = year(random);
    const unsigned m = month(random);
    // Now and then a day past the month's end.
    std::uniform_int_distribution<unsigned> day(1, bs::days_in_month(y, m) + 2);
    const unsigned d = day(random);
    const char* pattern = shape(random) == 0 ? "%Y/%m/%e" : "%Y-%m-%d";
    const std::string text = bs::format({y, m, d}, pattern);
    const std::optional<bs::year_month_day> parsed = bs::parse(text);
    const TypedDate typed = ReadTypedDate(text, TypedDateForm::YearMonthDay);
    ASSERT_EQ(parsed.has_value(), typed.state == Complete) << text;
    if (!parsed) continue;
    EXPECT_EQ(*parsed, typed.date) << text;
    for (std::size_t length = 1; length < text.size(); ++length) {
      EXPECT_NE(ReadTypedDate(text.substr(0, length), TypedDateForm::YearMonthDay).state, Invalid)
          << text.substr(0, length) << " of " << text;
    }
  }
}

}  // namespace
}  // namespace sauramiti::navigation
