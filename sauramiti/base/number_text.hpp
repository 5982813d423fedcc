// Numbers written as text in their shortest exact form, and read back.
//
// A number is written with the fewest digits that read back to the same value of its own
// precision, as std::to_chars finds them (not, for a single, the digits of the double it widens
// to). Examples:
//   #include <limits>
//   ShortestText(685.5714f)                                 // "685.5714"
//   ShortestText(2452378.5)                                 // "2452378.5"
//   ShortestText(2e6)                                       // "2e+06"
//   ShortestText(-std::numeric_limits<double>::infinity())  // "-inf"
// NaN is "nan".
//
// Some standard libraries (libc++ 13, the one of the WebAssembly toolchain) have std::to_chars
// and std::from_chars for integers only. There the same texts come from the C library's
// correctly rounded printf and strtod: the shortest form is the first precision whose digits
// read back to the value, written as fixed or scientific notation by std::to_chars's own rule
// (whichever is shorter, fixed on a tie). The fallback is always compiled, so the native tests
// hold it against std::to_chars text for text.
#pragma once

#include <charconv>
#include <string>

namespace sauramiti {

std::string ShortestText(float value);
std::string ShortestText(double value);

// std::from_chars for a double in the general format, for the decimal forms the library reads
// (an optional "-", digits with an optional point, an optional exponent): the correctly rounded
// value, or result_out_of_range with `value` untouched when the form overflows to an infinity
// or underflows to zero.
std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value);

namespace detail {
// The C-library forms of the two above, used where the standard library lacks them.
std::string ShortestTextByPrintf(float value);
std::string ShortestTextByPrintf(double value);
std::from_chars_result DoubleFromCharsByStrtod(const char* first, const char* last, double& value);
}  // namespace detail

}  // namespace sauramiti
