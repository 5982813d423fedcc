// The nine methods against a calendar: the model calendar is the module's routines exactly, and
// the published calendar answers every method with its own months in the years it changes and
// with the routines' answers everywhere else.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/chrono.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <string>
#include <tests/base/outcome.hpp>

namespace sauramiti::SauramitiRoutine {
namespace {

using I16 = std::int16_t;
const bs::calendar& kModel = bs::calendar::model;
const bs::calendar& kPublished = bs::calendar::published;

I16 N(int v) { return static_cast<I16>(v); }
I16 N(unsigned v) { return static_cast<I16>(v); }

std::string ValueText(int y, int m, int d, int w) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d/%d", y, m, d, w);
  return text;
}

// Every method for one set of arguments, as one line, errors included: of a calendar when one is
// given, else the module's routines.
template <typename... Calendar>
std::string Answers(int y, int m, int d, int w, const Calendar&... cal) {
  const auto text = [](auto call) { return testing::OutcomeOf(call); };
  std::string line;
  line += text([&] { return std::to_string(GetFirstWeekDay(cal..., N(y), N(m))); }) + "|";
  line += text([&] { return std::to_string(GetDaysInMonth(cal..., N(y), N(m), disNepali)); });
  line += text([&] { return std::to_string(GetDaysInMonth(cal..., N(y), N(m), disEnglish)); });
  line += "|" + text([&] { return std::to_string(GetWeekDay(cal..., N(y), N(m), N(d))); });
  line +=
      "|" + text([&] { return std::to_string(GetKaliAhargana(cal..., N(y), N(m), N(d), N(w))); });
  line += "|" + text([&] { return std::to_string(GetJulianDate(cal..., N(y), N(m), N(d), N(w))); });
  line += "|" + text([&] { return Nepali2EnglishDate(cal..., N(y), N(m), N(d), N(w), 1, 2); });
  line += "|" + text([&] { return English2NepaliDate(cal..., N(y), N(m), N(d), 2); });
  return line;
}

// The model calendar is the routines, good and bad arguments alike; so is the published
// calendar in a year it leaves alone (2059) and outside its years (1901, 2090).
TEST(CalendarMethodsTest, ModelAndUnchangedYearsAreTheRoutines) {
  for (int y : {-1, 0, 1, 1901, 2059, 2090, 9999, 10000}) {
    for (int m : {-1, 0, 1, 2, 6, 12, 13}) {
      for (int d : {-3, 0, 1, 15, 29, 30, 31, 32, 33}) {
        for (int w : {0, 1, 4, 7, 8, 9}) {
          const std::string expected = Answers(y, m, d, w);
          EXPECT_EQ(Answers(y, m, d, w, kModel), expected) << y << " " << m << " " << d;
          if (y != 2082) {
            EXPECT_EQ(Answers(y, m, d, w, kPublished), expected) << y << m << d;
          }
        }
      }
    }
  }
  for (double k : {1112210.0, 1863913.0, 1863913.5, 1863912.4, 4764069.0, 1e300, -5.0}) {
    for (int sep : {-1, 0, 3, 4}) {
      const std::string expected = testing::OutcomeOf([&] { return AharGana2NepaliDate(k, sep); });
      EXPECT_EQ(testing::OutcomeOf([&] { return AharGana2NepaliDate(kModel, k, sep); }), expected);
      EXPECT_EQ(testing::OutcomeOf([&] { return AharGana2NepaliDate(kPublished, k, sep); }),
                expected);
    }
  }
}

// Every day of the years the published calendar changes: each method gives the published
// day's count, weekday, Gregorian date and Value text, and the weekday forms (a date given
// with its published weekday) land on the same count as the date alone.
TEST(CalendarMethodsTest, EveryDayOfTheChangedYearsFollowsThePublishedMonths) {
  for (int y : {1975, 2031, 2046, 2062, 2066, 2073, 2082}) {
    ASSERT_NE(kPublished.find(y), nullptr) << y;
    for (unsigned m = 1; m <= 12; ++m) {
      const unsigned length = bs::days_in_month(y, m, kPublished);
      EXPECT_EQ(GetDaysInMonth(kPublished, N(y), N(m), disNepali), static_cast<I16>(length));
      for (unsigned d = 1; d <= length + 1; ++d) {
        const bs::year_month_day date{y, m, d};
        const auto ad = std::chrono::year_month_day{bs::to_sys_days(date, kPublished)};
        const int count = bs::kali_ahargana(date, kPublished);
        const I16 w = GetWeekDay(kPublished, N(y), N(m), N(d));
        if (d > length) {  // one past the month's end
          EXPECT_EQ(w, 0);
          EXPECT_EQ(GetKaliAhargana(kPublished, N(y), N(m), N(d), 9), 0.0);
          EXPECT_EQ(Nepali2EnglishDate(kPublished, N(y), N(m), N(d), 9, 0, 0), kInvalidBsDateText);
          continue;
        }
        EXPECT_EQ(w, bs::weekday(date, kPublished).c_encoding() + 1);
        if (d == 1) {
          EXPECT_EQ(GetFirstWeekDay(kPublished, N(y), N(m)), w);
        }
        EXPECT_EQ(GetKaliAhargana(kPublished, N(y), N(m), N(d), 9), count);
        EXPECT_EQ(GetKaliAhargana(kPublished, N(y), N(m), N(d), w), count)
            << y << "/" << m << "/" << d;
        EXPECT_EQ(GetJulianDate(kPublished, N(y), N(m), N(d), 9), count + 588465.5);
        char iso[16];
        std::snprintf(iso, sizeof iso, "%04d-%02u-%02u", static_cast<int>(ad.year()),
                      static_cast<unsigned>(ad.month()), static_cast<unsigned>(ad.day()));
        EXPECT_EQ(Nepali2EnglishDate(kPublished, N(y), N(m), N(d), 9, 1, 2), iso);
        EXPECT_EQ(Nepali2EnglishDate(kPublished, N(y), N(m), N(d), w, 1, 2), iso);
        const std::string value = ValueText(y, static_cast<int>(m), static_cast<int>(d), w);
        EXPECT_EQ(English2NepaliDate(kPublished, N(static_cast<int>(ad.year())),
                                     N(static_cast<int>(static_cast<unsigned>(ad.month()))),
                                     N(static_cast<int>(static_cast<unsigned>(ad.day()))), 0),
                  value);
        EXPECT_EQ(AharGana2NepaliDate(kPublished, count, 0), value);
      }
    }
  }
}

// A fractional count picks its month unrounded and rounds the day half to even; a day rounded
// one past the month's end is the next month's first. Around Asar 32, 2082 (published; the
// model's Asar has 31 days, so the same counts are Shrawan 1 there).
TEST(CalendarMethodsTest, FractionalCountsRoundWithinThePublishedMonths) {
  const double asar32 = bs::kali_ahargana({2082, 3U, 32U}, kPublished);
  const struct {
    double count;
    const char* published;
    const char* model;
  } cases[] = {
      {asar32, "2082/03/32/4", "2082/04/01/4"},
      {asar32 + 0.4, "2082/03/32/4", "2082/04/01/4"},
      {asar32 + 0.5, "2082/03/32/4", "2082/04/02/5"},  // day 32.5 rounds to 32: still Asar
      {asar32 + 0.6, "2082/04/01/5", "2082/04/02/5"},  // day 33 is one past Asar's end
      {asar32 - 0.5, "2082/03/32/4", "2082/04/01/4"},  // day 31.5 rounds to 32, the model's 33
      {asar32 - 1.5, "2082/03/30/2", "2082/03/30/2"},  // day 30.5 rounds to 30 in both
      {asar32 + 1.5, "2082/04/02/6", "2082/04/02/5"},  // days 1.5 and 2.5 both round to 2
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AharGana2NepaliDate(kPublished, c.count, 0), c.published) << c.count - asar32;
    EXPECT_EQ(AharGana2NepaliDate(kModel, c.count, 0), c.model) << c.count - asar32;
  }
}

TEST(CalendarMethodsTest, CodesNameCalendarsAndOthersAreRefused) {
  EXPECT_EQ(&CalendarOfCode(kModelCalendar), &kModel);
  EXPECT_EQ(&CalendarOfCode(kPublishedCalendar), &kPublished);
  for (int code : {-1, 2, 255}) {
    EXPECT_EQ(testing::OutcomeOf([&] { return CheckedCalendarCode(N(code)); }), "error 380");
  }
  EXPECT_EQ(CheckedCalendarCode(1), 1);
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
