// The record of one control instance: its settings and its selected date.
//
// The control owns this record; the view reads it to draw and writes the two values that are its
// own (the Gregorian panel title and the index of the highlighted day cell). The selected date
// string `Value` ("YYYY/mm/dd/w") is the master of the selected year, month, day and weekday and
// of the texts and numbers derived from them; ApplySelectedDate recomputes those from it.
//
// A created instance holds zeros, empty texts and no fonts until InitProperties gives it its
// defaults or ReadProperties the values of a saved document. Booleans are 16-bit (0 false,
// -1 true) and keep any other value as it came, because some rules ask for "exactly true".
#pragma once

#include <cstdint>
#include <sauramiti/base/font.hpp>
#include <sauramiti/base/variant.hpp>
#include <sauramiti/calendar/enumerations.hpp>
#include <string>

namespace sauramiti::view {

struct ControlState {
  MyWeekDayStyle WeekDayStyle = wkdShort;
  MyYMDSeparatorConstants Separator = sepSlash;
  MyEnglishDateStyleConstants EnglishDateStyle = datmmddyyyy;
  double JulianDate = 0.0;
  std::string EngStrDate;
  std::string Value;
  std::int16_t Vertical = 0;
  std::string DateValue;
  std::int16_t month = 0;
  std::int16_t Day = 0;
  std::int16_t Weekday = 0;
  std::int16_t year = 0;
  std::int32_t UjjainAhargana = 0;
  std::string DateAD;
  FontRef EnglishFont;
  FontRef NepaliFont;
  Variant MaxYear;  // any value the host passes; read as a number only by the year list
  std::int16_t MinYear = 0;
  std::int16_t English = 0;

  // Extensions beyond the original properties; 0 keeps the original view.
  std::int16_t SixWeeks = 0;          // 42 day cells in six weeks
  std::int16_t ShowGregorianDay = 0;  // each day cell also carries its Gregorian day
  std::int16_t Calendar = 0;          // 1: the published calendar's months (calendar_methods.hpp)
  std::int16_t MarkToday = 0;         // today's day cell carries an outline
  // The earliest and latest day the user may pick, "yyyy/mm/dd" ("" for no limit), and the same
  // as numbers yyyymmdd (0 for no limit), which the view compares the cells' days with.
  std::string MinDate;
  std::string MaxDate;
  std::int32_t MinDateKey = 0;
  std::int32_t MaxDateKey = 0;
  std::int32_t HolidayForeColor = 0;  // the Saturday cells' text colour; 0 is the weekdays' black

  // The view's own per-instance values.
  std::string EnglishPanelTitle;
  std::int16_t SelectedCell = 0;
  std::string GregorianMonthsShown;  // "April/May 2002" of the month in the grid, for Label2  //
                                     // day cell carrying the highlight, kept across refreshes
};

}  // namespace sauramiti::view
