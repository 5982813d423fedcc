// A date read as it is typed: what each text is now, and what typing more can make of it.
#include <gtest/gtest.h>

#include <random>
#include <sauramiti/chrono/date_format.hpp>
#include <sauramiti/navigation/typed_date.hpp>
#include <string>
#include <utility>
#include <vector>

namespace sauramiti::navigation {
namespace {

using enum TypedDateState;

// "2081" with Devanagari digits, and the control's fourth separator.
const std::string kDevanagari2081 = "\xE0\xA5\xA8\xE0\xA5\xA6\xE0\xA5\xAE\xE0\xA5\xA7";
const std::string kDivide = "\xC3\xB7";

TEST(TypedDateTest, YearMonthDayTexts) {
  // (Padded dates with "-" and "/" are AgreesWithParse's; the problems' texts are below.)
  const struct {
    std::string text;
    bs::year_month_day date;
  } cases[] = {
      {"2081/9/15", {2081, 9, 15}},
      {"2081.09.5", {2081, 9, 5}},
      {"2081" + kDivide + "09" + kDivide + "15", {2081, 9, 15}},
      {kDevanagari2081 + "-\xE0\xA5\xA6\xE0\xA5\xAF-\xE0\xA5\xA7", {2081, 9, 1}},
      {"1-1-1", {1, 1, 1}},
      {"0001-01-01", {1, 1, 1}},
      {"2081-09-1", {2081, 9, 1}},  // a day, though "2081-09-15" may follow
  };
  for (const auto& c : cases) {
    const TypedDate typed = ReadTypedDate(c.text, TypedDateForm::YearMonthDay);
    EXPECT_EQ(typed.state, Complete) << c.text;
    EXPECT_EQ(typed.date, c.date) << c.text;
    EXPECT_TRUE(typed.problem.empty()) << c.text << ": " << typed.problem;
  }
  // Texts that are no date yet, or cannot become one ("0" may still be "0001"; the last Invalid
  // one mixes ASCII and Devanagari digits).
  const std::pair<TypedDateState, std::vector<std::string>> partial[] = {
      {Intermediate,
       {"", "2", "0", "000", "2081", "2081-", "2081-0", "2081-1", "2081-09-", "2081-09-0",
        kDevanagari2081}},
      {Invalid,
       {"0-", "2081-00", "2081-0-", "2081-13-01", "2081-09-33", "2081-09-00", "2081-123",
        "2081--15", "-09-15", "2081-09/15", "2081-09-15-", "2081-09-15 ", " 2081", "2081,09",
        "208\xE0\xA5\xA7", "x"}},
  };
  for (const auto& [state, texts] : partial) {
    for (const std::string& text : texts) {
      const TypedDate typed = ReadTypedDate(text, TypedDateForm::YearMonthDay);
      EXPECT_EQ(typed.state, text.empty() ? Empty : state) << text;
      EXPECT_EQ(typed.problem.empty(), state != Invalid) << text << ": " << typed.problem;
    }
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
    bs::year_month_day date;
  } cases[] = {
      {"15", {2081, 9, 15}},   {"1", {2081, 9, 1}},     {std::to_string(poush), {2081, 9, poush}},
      {"9/15", {2081, 9, 15}}, {"12.1", {2081, 12, 1}}, {"2082/1/1", {2082, 1, 1}},
  };
  for (const auto& c : cases) {
    const TypedDate typed = ReadTypedDate(c.text, TypedDateForm::FromTheRight, page);
    EXPECT_EQ(typed.state, Complete) << c.text;
    EXPECT_EQ(typed.date, c.date) << c.text;
  }
  // "45" is not a day or a month, but perhaps year 45; "9/15/1" is year 9, month 15.
  const std::pair<TypedDateState, std::vector<std::string>> partial[] = {
      {Intermediate, {"0", "45", "2081", "9/", "2081/", "2081/9/"}},
      {Invalid, {"20815", "9/15/1", "2081/9/15/", "0/"}},
  };
  for (const auto& [state, texts] : partial) {
    for (const std::string& text : texts) {
      EXPECT_EQ(ReadTypedDate(text, TypedDateForm::FromTheRight, page).state, state) << text;
    }
  }
  // Asadh has 31 or 32 days.
  EXPECT_EQ(ReadTypedDate("3/32", TypedDateForm::FromTheRight, page).state,
            bs::days_in_month(2081, 3) == 32 ? Complete : Invalid);
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
