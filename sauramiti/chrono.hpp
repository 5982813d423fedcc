// The typed BS date: <sauramiti/chrono.hpp>, namespace sauramiti::bs.
//
// A Bikram Sambat date as a value that works with std::chrono, for C++ programs that want
// numbers rather than the control's date texts. For example:
//
//   #include <sauramiti/chrono.hpp>
//   namespace bs = sauramiti::bs;
//
//   bs::year_month_day date{2081, 9, 15};                        // 2081/09/15 (Poush 15)
//   std::chrono::year_month_day ad{bs::to_sys_days(date)};       // 2024-12-30
//   bs::year_month_day next = date + std::chrono::months{1};     // 2081/10/15 (Magha 15)
//   std::string text = bs::format(date, "%d %B %Y, %A");         // "15 Poush 2081, Monday"
//   std::optional<bs::year_month_day> typed = bs::parse("2081/09/15");  // 2081/09/15
//
// - year_month_day.hpp: the date, its checks, std::chrono::sys_days both ways, weekday, month
//   lengths, the Kali Ahargana, and arithmetic in days, months and years.
// - date_format.hpp: to_string, parse and format (English or Devanagari).
// - calendar.hpp: the calendar every function takes last (the model by default).
//
// Link with sauramiti::chrono (CMake), which needs only the library's base and calendar layers.
#pragma once

#include <sauramiti/chrono/calendar.hpp>
#include <sauramiti/chrono/date_format.hpp>
#include <sauramiti/chrono/year_month_day.hpp>
