// Today's date from the machine's clock.
//
// The only place where the project reads the time. The date is the local calendar date in the
// machine's time zone (the TZ variable, or the system setting); a machine whose zone cannot be
// read gives the date in UTC rather than failing.
#pragma once

#include <sauramiti/platform/host.hpp>

namespace sauramiti::headless {

platform::LocalDate SystemLocalDate();

}  // namespace sauramiti::headless
