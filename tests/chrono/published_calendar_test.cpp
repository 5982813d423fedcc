// The published calendar and calendars built from a table of month lengths: the corrected
// months and the Gregorian dates around them, round trips, the model's days everywhere else, and
// the tables that are refused.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <sauramiti/chrono.hpp>
#include <stdexcept>
#include <string>
#include <tests/base/outcome.hpp>

namespace sauramiti::bs {
namespace {

using namespace std::chrono;

std::string Iso(sys_days day) {
  const std::chrono::year_month_day ad{day};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ad.year()),
                static_cast<unsigned>(ad.month()), static_cast<unsigned>(ad.day()));
  return text;
}

const calendar& Published() { return calendar::published; }

// The first and last days of the months of 2082 whose start or end the published calendar moves,
// as the published calendar dates them. The other corrected years follow from their month
// lengths (CorrectedMonthsHaveThePublishedLengths) and the day-by-day walk below.
TEST(PublishedCalendarTest, DaysAroundEveryCorrectedBoundaryHaveThePublishedDates) {
  const struct {
    year_month_day bs;
    const char* ad;
  } cases[] = {
      {{2082, 3, 1}, "2025-06-15"}, {{2082, 3, 32}, "2025-07-16"},  // model 31
      {{2082, 4, 1}, "2025-07-17"}, {{2082, 4, 31}, "2025-08-16"},  // model 32
      {{2082, 5, 1}, "2025-08-17"}, {{2082, 5, 31}, "2025-09-16"},  // model 31
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Iso(to_sys_days(c.bs, Published())), c.ad) << c.bs.year() << "/" << c.bs.month();
    EXPECT_EQ(from_sys_days(to_sys_days(c.bs, Published()), Published()), c.bs);
    EXPECT_TRUE(c.bs.ok(Published()));
  }
  EXPECT_EQ(Iso(to_sys_days({2082, 4, 1})), "2025-07-16");  // the model's
  EXPECT_FALSE((year_month_day{2082, 4, 32}.ok(Published())));
  EXPECT_TRUE((year_month_day{2082, 4, 32}.ok()));
}

TEST(PublishedCalendarTest, CorrectedMonthsHaveThePublishedLengths) {
  const struct {
    int year;
    unsigned month, model, published;
  } cases[] = {
      {1975, 5, 31, 30},  {1975, 6, 30, 31},  {2031, 9, 30, 29},  {2031, 10, 29, 30},
      {2046, 10, 30, 29}, {2046, 11, 29, 30}, {2062, 1, 31, 30},  {2062, 2, 31, 32},
      {2066, 9, 29, 30},  {2066, 10, 30, 29}, {2066, 11, 30, 29}, {2066, 12, 30, 31},
      {2073, 10, 30, 29}, {2073, 11, 29, 30}, {2082, 3, 31, 32},  {2082, 4, 32, 31},
  };
  int differing = 0;
  for (const auto& c : cases) {
    EXPECT_EQ(days_in_month(c.year, c.month), c.model) << c.year << "/" << c.month;
    EXPECT_EQ(days_in_month(c.year, c.month, Published()), c.published) << c.year << "/" << c.month;
  }
  // No other month of the range differs.
  for (int y = 1; y <= 9999; ++y) {
    for (unsigned m = 1; m <= 12; ++m) {
      if (days_in_month(y, m) != days_in_month(y, m, Published())) ++differing;
    }
  }
  EXPECT_EQ(differing, static_cast<int>(std::size(cases)));
}

// Every day of 1970 to 2083 converts to a day and back; the days follow each other.
TEST(PublishedCalendarTest, EveryDayOf1970To2083RoundTrips) {
  testing::FaultLog faults;
  sys_days expected = to_sys_days({1970, 1, 1}, Published());
  for (int y = 1970; y <= 2083; ++y) {
    for (unsigned m = 1; m <= 12; ++m) {
      for (unsigned d = 1; d <= days_in_month(y, m, Published()); ++d) {
        const year_month_day date{y, m, d};
        const sys_days day = to_sys_days(date, Published());
        faults.Check(
            day == expected && from_sys_days(day, Published()) == date &&
                weekday(date, Published()) == std::chrono::weekday{day} &&
                from_kali_ahargana(kali_ahargana(date, Published()), Published()) == date &&
                to_sys_days(in_calendar(date, Published(), calendar::model)) == day &&
                in_calendar(in_calendar(date, Published(), calendar::model), calendar::model,
                            Published()) == date,
            y, "/", m, "/", d);
        expected = day + days{1};
      }
    }
  }
  EXPECT_EQ(expected, to_sys_days({2084, 1, 1}));
  // A date that is no day of the calendar it is named in has no name in another.
  EXPECT_FALSE(in_calendar({2082, 4, 32}, Published(), calendar::model).ok());
  EXPECT_FALSE(in_calendar({2082, 3, 32}, calendar::model, Published()).ok());
}

// Outside 1970 to 2083 the two calendars give the same for every day.
TEST(PublishedCalendarTest, OutsideTheSettledYearsBothCalendarsAgreeOnEveryDay) {
  testing::FaultLog faults;
  const sys_days first = to_sys_days({1, 1, 1});
  const sys_days end = to_sys_days({9999, 12, 31}) + days{1};
  for (sys_days day = first; day < end; day += days{1}) {
    const year_month_day model = from_sys_days(day);
    if (model.year() >= 1970 && model.year() <= 2083) continue;
    faults.Check(from_sys_days(day, Published()) == model &&
                     to_sys_days(model, Published()) == day &&
                     days_in_month(model.year(), model.month(), Published()) ==
                         days_in_month(model.year(), model.month()),
                 Iso(day));
  }
  // And the settled years start on the model's days.
  for (int y = 1970; y <= 2084; ++y) {
    EXPECT_EQ(to_sys_days({y, 1, 1}, Published()), to_sys_days({y, 1, 1})) << y;
  }
}

TEST(PublishedCalendarTest, CalendarsCompareByTheirMonths) {
  EXPECT_TRUE(calendar::model.is_model());
  EXPECT_FALSE(calendar::published.is_model());
  EXPECT_NE(calendar::model, calendar::published);
  // A table that gives the model's months back is the model.
  const auto lengths_2082 = [] {
    std::array<unsigned, 12> out{};
    for (unsigned m = 1; m <= 12; ++m) out[m - 1] = days_in_month(2082, m);
    return out;
  }();
  EXPECT_EQ(calendar::model.with_months({{2082, lengths_2082}}), calendar::model);
  const calendar back = calendar::published.with_months({{2082, lengths_2082}});
  EXPECT_EQ(days_in_month(2082, 3, back), 31U);
  EXPECT_EQ(days_in_month(2073, 11, back), 30U);  // the published rows stay
}

// A user's table of next year's months, read from JSON, on top of the published calendar.
TEST(PublishedCalendarTest, JsonTableAddsYearsToACalendar) {
  std::array<unsigned, 12> lengths{};
  for (unsigned m = 1; m <= 12; ++m) lengths[m - 1] = days_in_month(2084, m);
  std::swap(lengths[0], lengths[1]);  // a day moved between two months of different length
  ASSERT_NE(lengths[0], lengths[1]);
  std::string json = "{\"2084\": [";
  for (unsigned m = 0; m < 12; ++m) json += (m ? ", " : "") + std::to_string(lengths[m]);
  json += "]}";
  const calendar user = calendar::published.from_json(json);
  EXPECT_EQ(days_in_month(2084, 1, user), lengths[0]);
  EXPECT_EQ(days_in_month(2084, 2, user), lengths[1]);
  EXPECT_EQ(days_in_month(2082, 3, user), 32U);
  EXPECT_EQ(to_sys_days({2085, 1, 1}, user), to_sys_days({2085, 1, 1}));
  const year_month_day jestha_first{2084, 2, 1};
  EXPECT_EQ(from_sys_days(to_sys_days(jestha_first, user), user), jestha_first);
  EXPECT_EQ(to_sys_days(jestha_first, user) - to_sys_days({2084, 1, 1}), days{lengths[0]});
}

TEST(PublishedCalendarTest, TablesThatBreakTheCalendarAreRefused) {
  ASSERT_EQ(to_sys_days({2085, 1, 1}) - to_sys_days({2084, 1, 1}), days{366});  // the model's
  const struct {
    const char* json;
    const char* message;  // a part of the message
  } cases[] = {
      {"[1, 2]", "must be a JSON object"},
      {"{\"2084\": [31, 31]", "not valid JSON"},
      {"{\"20x4\": [31,31,32,31,31,31,30,29,30,29,30,30]}", "is not a BS year"},
      {"{\"2084\": [31,31,32]}", "12 month lengths"},
      {"{\"2084\": [31,31,32,31,31,31,30,29,30,29,30,\"30\"]}", "month 12 is not a number"},
      {"{\"10000\": [31,31,32,31,31,31,30,29,30,29,30,30]}", "outside the calendar's years"},
      {"{\"2084\": [33,31,32,31,31,31,30,29,30,29,30,27]}", "month 1 has 33 days"},
      {"{\"2084\": [31,31,32,31,31,31,30,29,30,29,30,29]}", "a year has 365 or 366"},
      {"{\"2084\": [31,31,32,31,31,31,30,29,30,29,30,30]}", "start of BS year 2085 would move"},
  };
  for (const auto& c : cases) {
    try {
      (void)calendar::published.from_json(c.json);
      ADD_FAILURE() << c.json << " was accepted";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
          << c.json << ": " << e.what();
    }
  }
}

}  // namespace
}  // namespace sauramiti::bs
