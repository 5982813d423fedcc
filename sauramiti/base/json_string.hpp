// Texts written the way a JSON document writes them.
//
// The tools print texts between double quotes so that a reader can see where a text starts and
// ends, blanks included. Inside the quotes a text is written as JSON writes a string: `"` and
// `\` get a backslash, the control characters U+0000 to U+001F become escapes (`\n`, `\t`,
// `\u0001`, ...), and every other byte is copied unchanged, so UTF-8 such as "÷" or Devanagari
// stays readable.
#pragma once

#include <string>
#include <string_view>

namespace sauramiti {

// `text` between double quotes, escaped as described above: `a"b` gives `"a\"b"`.
std::string QuoteJsonString(std::string_view text);

}  // namespace sauramiti
