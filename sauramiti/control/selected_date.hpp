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

#include <sauramiti/view/control_state.hpp>
#include <string>

namespace sauramiti {

// Reloads the name tables for the instance's language, then rewrites the nine fields from
// `value` in the order listed above. Nothing is redrawn and no event is raised.
void ApplySelectedDate(view::ControlState& state, const std::string& value);

}  // namespace sauramiti
