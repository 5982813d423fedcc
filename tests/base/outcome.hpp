// Test helper: what a call ended in, as one comparable text.
//
// The library reports every failure as a numbered run-time error. OutcomeOf runs a call and gives
// its result as text (integers in decimal, floating point in the shortest form that reads back
// exactly, texts as they are) or "error N" when it raised run-time error N. A table row can then
// hold either kind of answer. Any other exception escapes, so GoogleTest reports it as a fault.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <sauramiti/base/number_text.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <string>
#include <type_traits>
#include <vector>

namespace sauramiti::testing {

template <typename T>
std::string AsText(const T& value) {
  if constexpr (std::is_floating_point_v<T>) {
    return ShortestText(value);
  } else if constexpr (std::is_integral_v<T>) {
    return std::to_string(value);
  } else {
    return std::string(value);
  }
}

template <typename Call>
std::string OutcomeOf(Call&& call) {
  try {
    return AsText(call());
  } catch (const RuntimeError& error) {
    return "error " + std::to_string(error.Number());
  }
}

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

// One table row: the call as written, what it ended in, and what it must end in.
struct Row {
  std::string call;
  std::string got;
  std::string want;
};

inline void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) EXPECT_EQ(row.got, row.want) << row.call;
}

// The faults of a sweep: the first ten reported with where they are, the rest only counted.
struct FaultLog {
  int count = 0;
  template <typename... Where>
  void Check(bool right, const Where&... where) {
    if (right || ++count > 10) return;
    ::testing::Message message;
    ADD_FAILURE() << (message << ... << where);
  }
};

}  // namespace sauramiti::testing

// The first two fields of a Row: the expression's own text names the case.
#define OUTCOME(expr) #expr, ::sauramiti::testing::OutcomeOf([&] { return (expr); })
