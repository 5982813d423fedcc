#include <cli/today.hpp>
#include <ctime>
#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <stdexcept>
#include <string>

namespace sauramiti::cli {

namespace routine = SauramitiRoutine;

routine::GregorianDate ReadLocalDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) {
    throw std::runtime_error("cannot read the local date from the system clock");
  }
  return {To16(local.tm_year + 1900), To16(local.tm_mon + 1), To16(local.tm_mday)};
}

void PrintToday(std::ostream& out, const routine::GregorianDate& today) {
  const std::string value = routine::TodayValueString(today);
  // The Gregorian text goes the control's way, from the BS date and its weekday back again,
  // so both lines show what a control picking today would hold in Value and DateAD.
  const routine::BsDateParts bs = routine::ReadValueString(value);
  const std::string gregorian =
      routine::Nepali2EnglishDate(bs.year, bs.month, bs.day, bs.weekday, sepSlash, datmmddyyyy);
  out << value << '\n' << gregorian << '\n';
}

}  // namespace sauramiti::cli
