#include <ctime>
#include <sauramiti/platform/headless/system_clock.hpp>

namespace sauramiti::headless {

platform::LocalDate SystemLocalDate() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  if (localtime_r(&now, &parts) == nullptr) gmtime_r(&now, &parts);
  // tm_year counts from 1900; any year a clock can report fits in 16 bits.
  return platform::LocalDate{static_cast<std::int16_t>(parts.tm_year + 1900),
                             static_cast<std::int16_t>(parts.tm_mon + 1),
                             static_cast<std::int16_t>(parts.tm_mday)};
}

}  // namespace sauramiti::headless
