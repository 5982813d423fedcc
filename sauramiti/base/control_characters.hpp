// Text from the input made safe to quote in a message shown on a terminal.
//
// A message that quotes what the user gave (a date, a file name, a key of a document) must not
// let that text drive the terminal: an escape sequence could retitle the window, move the
// cursor or hide what follows. EscapeControlCharacters writes every control character visibly
// and keeps all other text, UTF-8 included, as it is:
//   "\n", "\r", "\t"         for line feed, carriage return and tab
//   "\x1b", "\x7f" ...       for the other C0 controls and DEL
//   "\u009b" ...             for the C1 controls U+0080 to U+009F
//   "\xff" ...               for a byte that is not part of valid UTF-8 (some terminals take a
//                            lone 0x9b as a control)
// The backslash itself is kept, so a message stays readable for Windows-style paths.
#pragma once

#include <string>
#include <string_view>

namespace sauramiti {

std::string EscapeControlCharacters(std::string_view text);

}  // namespace sauramiti
