// The command's own standard output and error streams.
//
// Output. Everything the command prints goes through a buffer over descriptor 1 that remembers
// the first write that failed and why. At the end the buffer is flushed and the descriptor
// closed (a full disk or a lost file server may first report itself there); when any of that
// failed the command says so on the error stream and ends with a non-zero status (its own when
// it already had one, else 1), so `sauramiti to-ad 2059/01/01 > /dev/full` cannot look like a
// success. A closed pipe still ends the command through SIGPIPE, as it always did.
//
// Errors. The messages quote what the user typed and what documents hold; the error stream
// escapes control characters line by line (base/control_characters.hpp), so no message can
// drive the terminal it is shown on.
#pragma once

#include <functional>
#include <ostream>

namespace sauramiti::cli {

// Runs `command` with the checked output and the escaping error stream; its exit status, or a
// non-zero one when the output could not be written.
int RunWithStandardStreams(const std::function<int(std::ostream& out, std::ostream& err)>& command);

}  // namespace sauramiti::cli
