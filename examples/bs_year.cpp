// The months of one BS year: each month's name and length, and the weekday and Gregorian date
// it starts on.
//
//   $ bs_year 2081
//   Vaishaka  31 days, from Saturday  2024-04-13
//   ...
//
// The project builds it as build/release/examples/bs_year. A program of your own links the
// library the same way: target_link_libraries(app PRIVATE sauramiti::sauramiti).
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/view/name_tables.hpp>
#include <string>

int main(int argc, char** argv) {
  using namespace sauramiti;
  using namespace sauramiti::SauramitiRoutine;
  int year = 0;
  const char* text = argc == 2 ? argv[1] : "";
  const char* end = text + std::strlen(text);
  const auto [stop, error] = std::from_chars(text, end, year);
  if (argc != 2 || error != std::errc() || stop != end || year < 1 || year > 9999) {
    std::fprintf(stderr, "usage: bs_year YEAR   (a BS year, 1 to 9999)\n");
    return 2;
  }
  // The month and weekday names are tables a control fills in its language; fill them in English
  // (-1 is true, as the control's booleans go).
  std::string panelTitle;
  LoadNameTables(-1, panelTitle);

  const auto bsYear = static_cast<std::int16_t>(year);
  int total = 0;
  for (std::int16_t month = 1; month <= 12; ++month) {
    const std::int16_t days = GetDaysInMonth(bsYear, month, disNepali);
    const std::int16_t weekday = GetWeekDay(bsYear, month, 1);  // 1 Sunday ... 7 Saturday
    const std::string start = Nepali2EnglishDate(bsYear, month, 1, 9, sepDash, datyyyymmdd);
    std::printf("%-9s %2d days, from %-9s %s\n",
                MonthNames[static_cast<std::size_t>(month)].c_str(), days,
                WeekdayNames[static_cast<std::size_t>(weekday)].c_str(), start.c_str());
    total += days;
  }
  std::printf("BS %d has %d days.\n", year, total);
  return 0;
}
