// The control's nine methods without a control.
//
// The methods are pure: they read and change no field of an instance. RoutineMethods offers
// them with the control's own parameter lists, running the calendar's free procedures directly,
// so that the command line answers exactly as a control would without creating one.
#pragma once

#include <cstdint>
#include <sauramiti/calendar/enumerations.hpp>
#include <string>

namespace sauramiti::cli {

struct RoutineMethods {
  std::string English2NepaliDate(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                                 MyYMDSeparatorConstants sepCode = sepSlash) const;
  std::int16_t GetFirstWeekDay(std::int16_t myYear, std::int16_t myMonth) const;
  std::int16_t GetDaysInMonth(std::int16_t myYear, std::int16_t myMonth,
                              MyDateDistinguisherConstants whatdate) const;
  std::int16_t GetWeekDay(std::int16_t thisyear, std::int16_t thismonth,
                          std::int16_t thisday) const;
  double GetKaliAhargana(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                         std::int16_t mywkday = 9) const;
  std::string Nepali2EnglishDate(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                                 std::int16_t MyWeekDay = 9,
                                 MyYMDSeparatorConstants SepCharCode = sepSlash,
                                 MyEnglishDateStyleConstants style = datmmddyyyy) const;
  double GetJulianDate(std::int16_t myY, std::int16_t myM, std::int16_t myD,
                       std::int16_t MyWeekDay = 9) const;
  std::string AharGana2NepaliDate(double KaliAhargana,
                                  MyYMDSeparatorConstants sepCode = sepSlash) const;
  std::string JDate2EnglishDate(double MyJulianDate, MyYMDSeparatorConstants sepCode = sepSlash,
                                MyEnglishDateStyleConstants style = datmmddyyyy) const;
};

}  // namespace sauramiti::cli
