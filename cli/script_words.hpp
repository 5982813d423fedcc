// Splitting a script line into words, and reading the JSON string literals among them.
//
// Words are separated by blanks (spaces and tabs). A word that starts with a double quote is a
// JSON string literal and runs to its closing quote, blanks included, so that texts with blanks
// can be given: `let ToolTipText "Pick a day"`. A quote inside a plain word has no meaning of
// its own (`a"b` is one word). A line that a command cannot be read from, such as an unclosed
// string, raises ScriptLineError, which the script reports with the line's number.
//
// A JSON string literal takes the escapes JSON defines (\" \\ \/ \b \f \n \r \t and \uXXXX,
// surrogate pairs joined into one character) and gives UTF-8. Bytes of 0x80 and above are
// copied as they are, so a script can also hand the control text that is not well-formed UTF-8;
// a raw control character inside the quotes must be written as an escape, as JSON requires.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sauramiti::cli {

// A line that is not a command; the message says why.
class ScriptLineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ScriptWord {
  std::string text;     // as written, quotes and escapes included
  bool quoted = false;  // a JSON string literal
};

std::vector<ScriptWord> SplitScriptLine(std::string_view line);

// The text of a JSON string literal, quotes included in `literal`.
std::string DecodeJsonString(std::string_view literal);

}  // namespace sauramiti::cli
