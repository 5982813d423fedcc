#include <cli/routine_methods.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/julian_day.hpp>

namespace sauramiti::cli {

namespace routine = SauramitiRoutine;

std::string RoutineMethods::English2NepaliDate(std::int16_t myYear, std::int16_t myMonth,
                                               std::int16_t myDay,
                                               MyYMDSeparatorConstants sepCode) const {
  return routine::English2NepaliDate(myYear, myMonth, myDay, sepCode);
}

std::int16_t RoutineMethods::GetFirstWeekDay(std::int16_t myYear, std::int16_t myMonth) const {
  return routine::GetFirstWeekDay(myYear, myMonth);
}

std::int16_t RoutineMethods::GetDaysInMonth(std::int16_t myYear, std::int16_t myMonth,
                                            MyDateDistinguisherConstants whatdate) const {
  return routine::GetDaysInMonth(myYear, myMonth, whatdate);
}

std::int16_t RoutineMethods::GetWeekDay(std::int16_t thisyear, std::int16_t thismonth,
                                        std::int16_t thisday) const {
  return routine::GetWeekDay(thisyear, thismonth, thisday);
}

double RoutineMethods::GetKaliAhargana(std::int16_t myYear, std::int16_t myMonth,
                                       std::int16_t myDay, std::int16_t mywkday) const {
  return routine::GetKaliAhargana(myYear, myMonth, myDay, mywkday);
}

std::string RoutineMethods::Nepali2EnglishDate(std::int16_t myYear, std::int16_t myMonth,
                                               std::int16_t myDay, std::int16_t MyWeekDay,
                                               MyYMDSeparatorConstants SepCharCode,
                                               MyEnglishDateStyleConstants style) const {
  return routine::Nepali2EnglishDate(myYear, myMonth, myDay, MyWeekDay, SepCharCode, style);
}

double RoutineMethods::GetJulianDate(std::int16_t myY, std::int16_t myM, std::int16_t myD,
                                     std::int16_t MyWeekDay) const {
  return routine::GetJulianDate(myY, myM, myD, MyWeekDay);
}

std::string RoutineMethods::AharGana2NepaliDate(double KaliAhargana,
                                                MyYMDSeparatorConstants sepCode) const {
  return routine::AharGana2NepaliDate(KaliAhargana, sepCode);
}

std::string RoutineMethods::JDate2EnglishDate(double MyJulianDate, MyYMDSeparatorConstants sepCode,
                                              MyEnglishDateStyleConstants style) const {
  return routine::JDate2EnglishDate(MyJulianDate, sepCode, style);
}

}  // namespace sauramiti::cli
