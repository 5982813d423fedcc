// Today's date, read from the local clock.
//
// The command reads the clock in exactly one place, ReadLocalDate, once per run, so that every
// date it prints belongs to the same day even across midnight. Everything else takes the date as
// an argument and can be tested with any date.
#pragma once

#include <ostream>
#include <sauramiti/convert/julian_day.hpp>

namespace sauramiti::cli {

// Today's local date by the system clock and time zone. Fails with a std::runtime_error if the
// clock cannot be read.
SauramitiRoutine::GregorianDate ReadLocalDate();

// Prints the BS date of `today` as a Value string ("2059/01/01/1") on one line and its Gregorian
// date text ("04/14/2002") on the next. A date outside the calendar's range is a RuntimeError.
void PrintToday(std::ostream& out, const SauramitiRoutine::GregorianDate& today);

}  // namespace sauramiti::cli
