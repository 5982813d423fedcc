// Writing a method's result as one line of text.
//
// A 16-bit integer is written in decimal. A text is written as it is. A double is written in
// the shortest form that reads back to the same double, except that a whole number below 10^15
// in magnitude is written as a plain integer (1863913, 2452378.5, 2000000 rather than 2e+06);
// -0 is written 0, a NaN of either sign "nan", the infinities "inf" and "-inf". Larger whole
// numbers keep the shortest form (1e+15).
#pragma once

#include <cli/method_table.hpp>
#include <string>

namespace sauramiti::cli {

void AppendDouble(std::string& out, double value);

void AppendResult(std::string& out, const MethodResult& result);

}  // namespace sauramiti::cli
