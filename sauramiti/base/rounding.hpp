// Rounding between doubles, singles and integers.
//
// A double becomes an integer by rounding to the nearest whole number with ties to even
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2); a result outside the target's range, NaN and infinities
// included, is run-time error 6. A double becomes a single ("rounded to single precision") by
// ordinary IEEE rounding; a finite value too large for a single is error 6 as well.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <sauramiti/base/runtime_error.hpp>

namespace sauramiti {

namespace detail {
template <typename T>
inline T RoundHalfEven(double x) {
  // Adding and taking away 2^52 leaves no bits below the units, so the sum rounds the
  // magnitude to a whole number, ties to even, in the default rounding mode (which the library
  // never changes): the answer of nearbyint, without its library call and its saving of the
  // floating-point state. Magnitudes of 2^52 and more are whole already, and NaN stays NaN.
  double r = x;
  if (const double magnitude = std::fabs(x); magnitude < 0x1p52) {
    r = std::copysign((magnitude + 0x1p52) - 0x1p52, x);
  }
  // The comparisons are false for NaN, which therefore falls through to the error as well.
  if (r >= static_cast<double>(std::numeric_limits<T>::min()) &&
      r <= static_cast<double>(std::numeric_limits<T>::max())) {
    return static_cast<T>(r);
  }
  Raise(kOverflow);
}
}  // namespace detail

inline std::int16_t RoundToInt16(double x) { return detail::RoundHalfEven<std::int16_t>(x); }
inline std::int32_t RoundToInt32(double x) { return detail::RoundHalfEven<std::int32_t>(x); }

// Rounds to single precision. NaN and infinities pass through; a finite double that would round
// to infinity (at or above the largest single plus half a unit in its last place) is error 6.
inline float ToSingle(double x) {
  constexpr double kOverflowEdge = 0x1.ffffffp127;
  if (std::isfinite(x) && std::fabs(x) >= kOverflowEdge) Raise(kOverflow);
  return static_cast<float>(x);
}

}  // namespace sauramiti
