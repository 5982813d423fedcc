// Quoting input in a message: every control character, whichever way it is encoded, comes out
// as visible text; everything else, UTF-8 included, comes out as it went in.
#include <gtest/gtest.h>

#include <sauramiti/base/control_characters.hpp>
#include <string>

namespace sauramiti {
namespace {

TEST(ControlCharactersTest, ControlsAreEscapedAndOtherTextKept) {
  const struct {
    const char* name;
    std::string in;
    std::string out;
  } cases[] = {
      {"plain", "2059/01/01", "2059/01/01"},
      {"a terminal title sequence", "\x1b]0;x\a", "\\x1b]0;x\\x07"},
      {"line breaks and tabs", "a\nb\r\tc", "a\\nb\\r\\tc"},
      {"NUL and DEL", std::string("a\0b\x7f", 4), "a\\x00b\\x7f"},
      {"C1 controls as UTF-8",
       "\xc2\x9b"
       "2J\xc2\x85",
       "\\u009b2J\\u0085"},
      {"a stray byte that terminals may take as CSI",
       "\x9b"
       "2J",
       "\\x9b2J"},
      {"the first character after the C1 block", "\xc2\xa0", "\xc2\xa0"},
      {"Devanagari and the division sign", "\xe0\xa4\xa8\xc3\xb7", "\xe0\xa4\xa8\xc3\xb7"},
      {"a four-byte character", "\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
      {"an overlong slash", "\xc0\xaf", "\\xc0\\xaf"},
      {"a surrogate", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
      {"cut short", "\xe0\xa4", "\\xe0\\xa4"},
      {"backslashes stay", "C:\\doc", "C:\\doc"},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeControlCharacters(c.in), c.out) << c.name;
}

}  // namespace
}  // namespace sauramiti
