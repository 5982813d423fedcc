// Shared helpers of the fuzz targets: the rule that only documented run-time errors may escape
// a call, and inputs biased towards the interesting ranges without leaving any value out.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sauramiti/base/runtime_error.hpp>

namespace sauramiti::fuzz {

[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

inline void Require(bool ok, const char* what) {
  if (!ok) Fail(what);
}

// Runs `call`; true when it returned. A run-time error is accepted only with one of the numbers
// a conversion may raise (5, 6, 9, 11, 13); any other exception escapes and ends the run.
template <typename Call>
bool Returns(Call&& call) {
  try {
    call();
    return true;
  } catch (const RuntimeError& error) {
    const std::int32_t n = error.Number();
    Require(n == kInvalidProcedureCall || n == kOverflow || n == kSubscriptOutOfRange ||
                n == kDivisionByZero || n == kTypeMismatch,
            "a run-time error with an undocumented number");
    return false;
  }
}

// A 16-bit value: often within [lo, hi], otherwise any value at all.
inline std::int16_t Consume16(FuzzedDataProvider& data, std::int16_t lo, std::int16_t hi) {
  if (data.ConsumeBool()) return data.ConsumeIntegralInRange<std::int16_t>(lo, hi);
  return data.ConsumeIntegral<std::int16_t>();
}

// A 32-bit enumeration value: often a member or just past one, otherwise any value.
inline std::int32_t ConsumeCode(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) return data.ConsumeIntegralInRange<std::int32_t>(-1, 5);
  return data.ConsumeIntegral<std::int32_t>();
}

// A double: often within [lo, hi] (whole, half or anything between), otherwise any bit pattern,
// NaNs and infinities included.
inline double ConsumeDouble(FuzzedDataProvider& data, double lo, double hi) {
  switch (data.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
      return static_cast<double>(data.ConsumeIntegralInRange<std::int64_t>(
                 static_cast<std::int64_t>(lo), static_cast<std::int64_t>(hi))) +
             (data.ConsumeBool() ? 0.5 : 0.0);
    case 1:
      return data.ConsumeFloatingPointInRange<double>(lo, hi);
    default:
      return std::bit_cast<double>(data.ConsumeIntegral<std::uint64_t>());
  }
}

}  // namespace sauramiti::fuzz
