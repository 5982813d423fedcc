// Checked 16-bit and 32-bit integer arithmetic.
//
// The calendar works on 16-bit and 32-bit signed integers, and every sum, difference and product
// of them is checked: a result outside the type's range is run-time error 6 (overflow), never a
// silent wrap and never undefined behaviour. Remainders truncate: the remainder has the sign of
// the dividend (-1 mod 7 is -1), as the calendar's formulas were written for.
#pragma once

#include <cstdint>
#include <limits>
#include <sauramiti/base/runtime_error.hpp>

namespace sauramiti {

namespace detail {
template <typename T>
constexpr T Narrow(std::int64_t wide) {
  if (wide < std::numeric_limits<T>::min() || wide > std::numeric_limits<T>::max()) {
    Raise(kOverflow);
  }
  return static_cast<T>(wide);
}

template <typename T>
constexpr T CheckedMod(T a, T b) {
  if (b == 0) Raise(kDivisionByZero);
  if (b == -1) {
    if (a == std::numeric_limits<T>::min()) Raise(kOverflow);
    return 0;
  }
  return static_cast<T>(a % b);
}
}  // namespace detail

// Products of two 32-bit values fit in 64 bits, so every check is done on the exact wide result.
constexpr std::int16_t Add16(std::int16_t a, std::int16_t b) {
  return detail::Narrow<std::int16_t>(std::int64_t{a} + b);
}
constexpr std::int16_t Sub16(std::int16_t a, std::int16_t b) {
  return detail::Narrow<std::int16_t>(std::int64_t{a} - b);
}
constexpr std::int16_t Mul16(std::int16_t a, std::int16_t b) {
  return detail::Narrow<std::int16_t>(std::int64_t{a} * b);
}
constexpr std::int32_t Add32(std::int32_t a, std::int32_t b) {
  return detail::Narrow<std::int32_t>(std::int64_t{a} + b);
}
constexpr std::int32_t Sub32(std::int32_t a, std::int32_t b) {
  return detail::Narrow<std::int32_t>(std::int64_t{a} - b);
}
constexpr std::int32_t Mul32(std::int32_t a, std::int32_t b) {
  return detail::Narrow<std::int32_t>(std::int64_t{a} * b);
}

// Truncating remainder; b = 0 is error 11, the one quotient that overflows (MIN / -1) is error 6.
constexpr std::int16_t Mod16(std::int16_t a, std::int16_t b) { return detail::CheckedMod(a, b); }
constexpr std::int32_t Mod32(std::int32_t a, std::int32_t b) { return detail::CheckedMod(a, b); }

// A 32-bit value narrowed to 16 bits, error 6 when it does not fit.
constexpr std::int16_t To16(std::int32_t v) { return detail::Narrow<std::int16_t>(v); }

}  // namespace sauramiti
