#include <sauramiti/base/rounding.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/control/selected_date.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <sauramiti/view/name_tables.hpp>

namespace sauramiti {

void ApplySelectedDate(view::ControlState& state, const std::string& value) {
  namespace R = SauramitiRoutine;
  R::LoadNameTables(state.English, state.EnglishPanelTitle);

  const R::BsDateParts date = R::ReadValueString(value);
  state.year = date.year;
  state.month = date.month;
  state.Day = date.day;
  state.Weekday = date.weekday;

  state.DateValue = R::LiteralBsDate(date, R::MonthNames, R::WeekdayNames);
  state.UjjainAhargana =
      RoundToInt32(R::GetKaliAhargana(date.year, date.month, date.day, date.weekday));
  state.DateAD = R::Nepali2EnglishDate(date.year, date.month, date.day, date.weekday,
                                       state.Separator, state.EnglishDateStyle);
  state.EngStrDate = R::EnglishLiteralDate(state.DateAD, state.EnglishDateStyle, state.English,
                                           R::EnglishMonthNames);
  state.JulianDate = R::GetJulianDate(date.year, date.month, date.day, date.weekday);
}

}  // namespace sauramiti
