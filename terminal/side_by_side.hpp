// Blocks of lines set next to each other, as a calendar sets months in a row.
//
// Each block is a column as wide as the widest line of all the blocks (display width, so
// Devanagari lines up), the columns `gap` blanks apart. A shorter block leaves blank lines under
// it. Lines carry no blanks at their ends unless a look needs them.
#pragma once

#include <cstddef>
#include <terminal/styled_text.hpp>
#include <vector>

namespace sauramiti::terminal {

using Block = std::vector<StyledLine>;

// The widest line of the blocks.
std::size_t WidestLine(const std::vector<Block>& blocks);

// The blocks side by side, in the order given.
std::vector<StyledLine> SideBySide(const std::vector<Block>& blocks, std::size_t gap);

}  // namespace sauramiti::terminal
