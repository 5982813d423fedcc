#include <cmath>
#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/base/rounding.hpp>
#include <sauramiti/calendar/calendar_tables.hpp>

namespace sauramiti::SauramitiRoutine {

static_assert(MonthStartTable[12] > 365.258756 && MonthStartTable[12] < 365.258757,
              "the solar months must add up to the sidereal year");

double FracPart(double x) noexcept { return x - std::floor(x); }

std::int16_t IntMod(std::int16_t a, std::int16_t b) { return Mod16(a, b); }

double AddUntilPositive(double& x, double step) {
  // Step by step, as the formulas were built: the calendar never needs more than a few hundred
  // steps, and repeated addition rounds differently from one multiplication. A value the steps
  // cannot move (an infinity, or a magnitude that swallows the step) is error 6, not a hang.
  while (x <= 0) {
    const double next = x + step;
    if (!(next > x)) Raise(kOverflow);
    x = next;
  }
  return x;
}

double WeekPosition(double x) {
  const double whole = std::floor(x);
  return static_cast<double>(Mod32(RoundToInt32(whole), 7)) + (x - whole);
}

}  // namespace sauramiti::SauramitiRoutine
