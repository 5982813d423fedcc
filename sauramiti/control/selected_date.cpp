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

void StoreSelectedDate(view::ControlState& s, const bs::year_month_day& date) {
  const bs::calendar& cal = SauramitiRoutine::CalendarOfCode(s.Calendar);
  const SauramitiRoutine::BsDateParts pieces{
      static_cast<std::int16_t>(date.year()), static_cast<std::int16_t>(date.month()),
      static_cast<std::int16_t>(date.day()),
      static_cast<std::int16_t>(bs::weekday(date, cal).c_encoding() + 1)};
  s.Value = SauramitiRoutine::MakeValueString(pieces.year, pieces.month, pieces.day, pieces.weekday,
                                              s.Separator);
  if (ValueReadsBack(pieces, s.Separator)) {
    ApplySelectedDate(s, pieces);
  } else {
    ApplySelectedDate(s, s.Value);
  }
}

bool ValueReadsBack(const SauramitiRoutine::BsDateParts& date, std::int32_t sepCode) noexcept {
  return sepCode >= 0 && sepCode <= 3 && date.year >= 0 && date.year <= 9999 && date.month >= 0 &&
         date.month <= 99 && date.day >= 0 && date.day <= 99 && date.weekday >= 0 &&
         date.weekday <= 9;
}

}  // namespace sauramiti
