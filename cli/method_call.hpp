// Calling a method by name with text arguments, and the one line that answers the call.
//
// The checks run in this order, and the first that fails decides the answer:
//   1. the method must exist (letter case ignored): error 438;
//   2. the shape of the call: no more arguments than parameters, and every required parameter
//      given - a missing one, whether left off the end or written "-", is error 450;
//   3. each given argument, from the left, must read as its parameter's kind: error 13 or 6;
//   4. the method runs; a run-time error it raises is the answer.
// An optional parameter left off the end or written "-" takes its default.
//
// The answer is one line: the result (result_text.hpp) or "error N".
#pragma once

#include <cli/method_table.hpp>
#include <span>
#include <string>
#include <string_view>

namespace sauramiti::cli {

// The result of the call; every failure is a RuntimeError with the number described above.
MethodResult InvokeByName(const MethodTable& table, std::string_view name,
                          std::span<const std::string_view> arguments);

// Appends the answer line of the call to `out`, without a line end. Returns false when the
// answer is "error N".
bool AppendCallLine(const MethodTable& table, std::string_view name,
                    std::span<const std::string_view> arguments, std::string& out);

}  // namespace sauramiti::cli
