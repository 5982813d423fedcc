// Recomputing everything the control derives from its selected date.
//
// The selected date string `Value` ("YYYY/mm/dd/w", read by character position only, so any
// separator reads back the same date) is the master of nine fields: the selected year, month,
// day and weekday, the literal BS text (`DateValue`), the Ujjain Ahargana, the Gregorian date
// text (`DateAD`, in the control's separator and date style), its long English form
// (`EngStrDate`) and the Julian day.
//
// The weekday read from the text is passed on to every conversion, so a day beyond its month is
// placed by the weekday rather than rejected; a date the calendar rejects gives 0 for the day
// counts and "Nepali2EnglishDate =Invalid Date" for DateAD, and the procedure still completes.
// An error (an overflow, a negative separator code, an unknown date style) ends it: the fields
// written before keep their new values, the later ones their old values.
#pragma once

#include <sauramiti/chrono/year_month_day.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <sauramiti/view/control_state.hpp>
#include <string>

namespace sauramiti {

// Reloads the name tables for the instance's language, then rewrites the nine fields from
// `value` in the order listed above. Nothing is redrawn and no event is raised.
void ApplySelectedDate(view::ControlState& state, const std::string& value);

// The same for a Value text whose four pieces the caller already holds as numbers (it has just
// written the text from them): nothing is read back from the text.
void ApplySelectedDate(view::ControlState& state, const SauramitiRoutine::BsDateParts& date);

// Makes the day of the calendar `date` the selected date: its Value string (the record's
// separator, the date's own weekday), then every field derived from it. Nothing is redrawn and no
// event is raised.
void StoreSelectedDate(view::ControlState& state, const bs::year_month_day& date);

// Whether the Value text MakeValueString writes from `date` with separator `sepCode` reads back
// to the same pieces: a separator of one character (codes 0 to 3), a year of 0 to 9999 and a
// month, day and weekday of at most 2, 2 and 1 digits, none negative. Without a separator, or
// with wider pieces, the fixed positions read other numbers, so the text must be read.
bool ValueReadsBack(const SauramitiRoutine::BsDateParts& date, std::int32_t sepCode) noexcept;

}  // namespace sauramiti
