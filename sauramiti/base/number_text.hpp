// Numbers written as text in their shortest exact form.
//
// A number is written with the fewest digits that read back to the same value of its own
// precision, as std::to_chars finds them: the single 685.5714f is "685.5714" (not the digits of
// the double it widens to), the double 2452378.5 is "2452378.5", 2e6 is "2e+06", and NaN and
// the infinities are "nan", "inf" and "-inf".
#pragma once

#include <string>

namespace sauramiti {

std::string ShortestText(float value);
std::string ShortestText(double value);

}  // namespace sauramiti
