// Test helper: what a call ended in, as a run-time error number.
//
// The library reports every failure as a numbered run-time error; tests compare the number. Any
// other exception is left to escape, so that GoogleTest reports it as the fault it is.
#pragma once

#include <cstdint>
#include <sauramiti/base/runtime_error.hpp>

namespace sauramiti::testing {

// The number of the run-time error `call` raised, or 0 when it returned normally.
template <typename Call>
std::int32_t ErrorNumberOf(Call&& call) {
  try {
    call();
  } catch (const RuntimeError& error) {
    return error.Number();
  }
  return 0;
}

// The numbers a conversion may raise at all: 5 invalid argument, 6 overflow, 9 subscript out of
// range, 11 division by zero, 13 type mismatch.
constexpr bool IsDocumentedConversionError(std::int32_t number) {
  return number == kInvalidProcedureCall || number == kOverflow || number == kSubscriptOutOfRange ||
         number == kDivisionByZero || number == kTypeMismatch;
}

}  // namespace sauramiti::testing
