#include <algorithm>
#include <terminal/display_width.hpp>
#include <terminal/side_by_side.hpp>

namespace sauramiti::terminal {

namespace {

std::size_t WidthOf(const StyledLine& line) { return DisplayWidth(PlainText(line)); }

void DropPlainBlanksAtEnd(StyledLine& line) {
  while (!line.empty() && line.back().style.IsPlain() &&
         line.back().text.find_first_not_of(' ') == std::string::npos) {
    line.pop_back();
  }
}

}  // namespace

std::size_t WidestLine(const std::vector<Block>& blocks) {
  std::size_t widest = 0;
  for (const Block& block : blocks) {
    for (const StyledLine& line : block) widest = std::max(widest, WidthOf(line));
  }
  return widest;
}

std::vector<StyledLine> SideBySide(const std::vector<Block>& blocks, std::size_t gap) {
  const std::size_t column = WidestLine(blocks);
  std::size_t rows = 0;
  for (const Block& block : blocks) rows = std::max(rows, block.size());
  std::vector<StyledLine> lines(rows);
  for (std::size_t row = 0; row < rows; ++row) {
    StyledLine& line = lines[row];
    for (std::size_t b = 0; b < blocks.size(); ++b) {
      const StyledLine empty;
      const StyledLine& part = row < blocks[b].size() ? blocks[b][row] : empty;
      line.insert(line.end(), part.begin(), part.end());
      if (b + 1 < blocks.size()) {
        line.push_back(Span{std::string(column - WidthOf(part) + gap, ' '), {}});
      }
    }
    DropPlainBlanksAtEnd(line);
  }
  return lines;
}

}  // namespace sauramiti::terminal
