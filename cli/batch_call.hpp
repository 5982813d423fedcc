// Many method calls, one a line: `sauramiti call --batch`.
//
// Each input line is METHOD, then its arguments, separated by tab characters
// ("GetKaliAhargana<TAB>2059<TAB>1<TAB>1"); a "\r" before the line end is ignored, so files
// with Windows line ends work. Each line gets exactly one answer line, as a single call would
// (method_call.hpp), so answer N always belongs to line N: an empty line, or a line whose fields
// are separated by anything but tabs, names no method and is answered "error 438". A last line
// without a line end still counts; the line end after the last line does not start another.
#pragma once

#include <cli/method_table.hpp>
#include <istream>
#include <ostream>

namespace sauramiti::cli {

struct BatchCounts {
  std::size_t lines = 0;
  std::size_t errors = 0;  // lines answered "error N"
};

// Answers every line of `in` on `out`. Output is written in large blocks, or after every line
// when `flushEachLine` is set (someone typing at a terminal wants each answer at once).
BatchCounts RunCallBatch(const MethodTable& table, std::istream& in, std::ostream& out,
                         bool flushEachLine);

}  // namespace sauramiti::cli
