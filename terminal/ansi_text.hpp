// Writing styled lines to a stream: as plain text, or with ANSI escape sequences for a terminal.
//
// With colours, each span that has a look is wrapped in one "select graphic rendition" sequence
// and a reset, so a line never leaves a look switched on for the next one. Text colours use the
// bright variants, which read well on dark and light backgrounds alike; grey is the bright black.
#pragma once

#include <ostream>
#include <string>
#include <terminal/styled_text.hpp>
#include <vector>

namespace sauramiti::terminal {

// The escape sequence that switches a look on ("" for the plain look).
std::string AnsiSequence(const TextStyle& style);

// Every line followed by "\n"; looks only when `withColor` is set.
void WriteStyledLines(std::ostream& out, const std::vector<StyledLine>& lines, bool withColor);

}  // namespace sauramiti::terminal
