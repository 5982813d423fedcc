#include <sauramiti/base/rounding.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/control/selected_date.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <sauramiti/view/name_tables.hpp>

namespace sauramiti {

namespace {

// Every field derived from the pieces, once the name tables hold the instance's language.
void ApplyPieces(view::ControlState& state, const SauramitiRoutine::BsDateParts& date) {
  namespace R = SauramitiRoutine;
  const bs::calendar& cal = R::CalendarOfCode(state.Calendar);
  state.year = date.year;
  state.month = date.month;
  state.Day = date.day;
  state.Weekday = date.weekday;

  state.DateValue = R::LiteralBsDate(date, R::MonthNames, R::WeekdayNames);
  state.UjjainAhargana =
      RoundToInt32(R::GetKaliAhargana(cal, date.year, date.month, date.day, date.weekday));
  state.DateAD = R::Nepali2EnglishDate(cal, date.year, date.month, date.day, date.weekday,
                                       state.Separator, state.EnglishDateStyle);
  state.EngStrDate = R::EnglishLiteralDate(state.DateAD, state.EnglishDateStyle, state.English,
                                           R::EnglishMonthNames);
  state.JulianDate = R::GetJulianDate(cal, date.year, date.month, date.day, date.weekday);
}

}  // namespace

void ApplySelectedDate(view::ControlState& state, const std::string& value) {
  SauramitiRoutine::LoadNameTables(state.English, state.EnglishPanelTitle);
  ApplyPieces(state, SauramitiRoutine::ReadValueString(value));
}

void ApplySelectedDate(view::ControlState& state, const SauramitiRoutine::BsDateParts& date) {
  SauramitiRoutine::LoadNameTables(state.English, state.EnglishPanelTitle);
  ApplyPieces(state, date);
}

bool ValueReadsBack(const SauramitiRoutine::BsDateParts& date, std::int32_t sepCode) noexcept {
  return sepCode >= 0 && sepCode <= 3 && date.year >= 0 && date.year <= 9999 && date.month >= 0 &&
         date.month <= 99 && date.day >= 0 && date.day <= 99 && date.weekday >= 0 &&
         date.weekday <= 9;
}

}  // namespace sauramiti
