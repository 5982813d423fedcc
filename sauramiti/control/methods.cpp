// The conversion methods: straight to the calendar core, changing no field of the instance, the
// same in both modes. They follow the instance's calendar (its `Calendar` property, the model
// unless it is 1); the module's routines are always the model's.
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/control/instance_parts.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/convert/julian_day.hpp>

namespace sauramiti {

namespace {

const bs::calendar& CalendarOf(const view::ControlState& record) noexcept {
  return SauramitiRoutine::CalendarOfCode(record.Calendar);
}

}  // namespace

std::string Sauramiti::English2NepaliDate(std::int16_t myYear, std::int16_t myMonth,
                                          std::int16_t myDay,
                                          MyYMDSeparatorConstants sepCode) const {
  return SauramitiRoutine::English2NepaliDate(CalendarOf(state_->record), myYear, myMonth, myDay,
                                              sepCode);
}

std::int16_t Sauramiti::GetFirstWeekDay(std::int16_t myYear, std::int16_t myMonth) const {
  return SauramitiRoutine::GetFirstWeekDay(CalendarOf(state_->record), myYear, myMonth);
}

std::int16_t Sauramiti::GetDaysInMonth(std::int16_t myYear, std::int16_t myMonth,
                                       MyDateDistinguisherConstants whatdate) const {
  return SauramitiRoutine::GetDaysInMonth(CalendarOf(state_->record), myYear, myMonth, whatdate);
}

std::int16_t Sauramiti::GetWeekDay(std::int16_t thisyear, std::int16_t thismonth,
                                   std::int16_t thisday) const {
  return SauramitiRoutine::GetWeekDay(CalendarOf(state_->record), thisyear, thismonth, thisday);
}

double Sauramiti::GetKaliAhargana(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                                  std::int16_t mywkday) const {
  return SauramitiRoutine::GetKaliAhargana(CalendarOf(state_->record), myYear, myMonth, myDay,
                                           mywkday);
}

std::string Sauramiti::Nepali2EnglishDate(std::int16_t myYear, std::int16_t myMonth,
                                          std::int16_t myDay, std::int16_t MyWeekDay,
                                          MyYMDSeparatorConstants SepCharCode,
                                          MyEnglishDateStyleConstants style) const {
  return SauramitiRoutine::Nepali2EnglishDate(CalendarOf(state_->record), myYear, myMonth, myDay,
                                              MyWeekDay, SepCharCode, style);
}

double Sauramiti::GetJulianDate(std::int16_t myY, std::int16_t myM, std::int16_t myD,
                                std::int16_t MyWeekDay) const {
  return SauramitiRoutine::GetJulianDate(CalendarOf(state_->record), myY, myM, myD, MyWeekDay);
}

std::string Sauramiti::AharGana2NepaliDate(double KaliAhargana,
                                           MyYMDSeparatorConstants sepCode) const {
  return SauramitiRoutine::AharGana2NepaliDate(CalendarOf(state_->record), KaliAhargana, sepCode);
}

std::string Sauramiti::JDate2EnglishDate(double MyJulianDate, MyYMDSeparatorConstants sepCode,
                                         MyEnglishDateStyleConstants style) const {
  return SauramitiRoutine::JDate2EnglishDate(MyJulianDate, sepCode, style);
}

}  // namespace sauramiti
