#include <gtest/gtest.h>

#include <cstddef>
#include <sauramiti/base/utf8_text.hpp>
#include <string_view>
#include <vector>

namespace sauramiti {
namespace {

constexpr std::string_view kDivValue =
    "2059\xC3\xB7"
    "01\xC3\xB7"
    "01\xC3\xB7"
    "1";  // 2059÷01÷01÷1

TEST(Utf8TextTest, CharLengthCountsCharactersAndStrayBytesAsOneEach) {
  struct Case {
    std::string_view name;
    std::string_view text;
    std::size_t length;
  };
  const std::vector<Case> cases = {
      {"empty", "", 0},
      {"ascii", "2059/01/01/1", 12},
      {"division signs", kDivValue, 12},
      {"Devanagari", "\xE0\xA4\xB5\xE0\xA5\x88", 2},
      {"four-byte character", "\xF0\x9F\x93\x85", 1},
      {"lone lead byte", "\xC3", 1},
      {"lead byte at the end", "a\xC3", 2},
      {"stray continuation bytes", "\x80\x80", 2},
      {"lead byte followed by ascii",
       "\xC3"
       "a",
       2},
      {"truncated three-byte sequence", "\xE0\xA4", 2},
      {"bytes that never lead", "\xC0\x80\xF8\xFF", 4},
      {"division sign byte alone", "\xF7", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(CharLength(c.text), c.length) << c.name;
}

TEST(Utf8TextTest, PiecesAreTakenByCharacterPosition) {
  struct Case {
    std::string_view name;
    std::string_view got;
    std::string_view want;
  };
  const std::vector<Case> cases = {
      {"fifth character is the separator", CharMid(kDivValue, 5, 1), "\xC3\xB7"},
      {"month piece", CharMid(kDivValue, 6, 2), "01"},
      {"weekday piece", CharMid(kDivValue, 12, 1), "1"},
      {"past the end", CharMid(kDivValue, 13, 1), ""},
      {"count runs past the end", CharMid("abc", 2, 100), "bc"},
      {"no characters", CharMid("abc", 1, 0), ""},
      {"stray byte is one character",
       CharMid("a\xFF"
               "b",
               2, 1),
       "\xFF"},
      {"left part with a separator", CharLeft(kDivValue, 5), "2059\xC3\xB7"},
      {"left of a short text", CharLeft("ab", 5), "ab"},
      {"drop the weekday", CharDropRight(kDivValue, 2),
       "2059\xC3\xB7"
       "01\xC3\xB7"
       "01"},
      {"drop everything", CharDropRight("ab", 2), ""},
      {"drop more than everything", CharDropRight("ab", 3), ""},
      {"trim spaces", TrimBlanks("  a b  "), "a b"},
      {"trim only spaces", TrimBlanks("   "), ""},
      {"tabs are kept", TrimBlanks("\ta\t"), "\ta\t"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

TEST(Utf8TextTest, ReplaceAllScansLeftToRightWithoutOverlap) {
  struct Case {
    std::string_view name;
    std::string_view text, from, to, want;
  };
  const std::vector<Case> cases = {
      {"slash to division sign", "a/b/c", "/", "\xC3\xB7",
       "a\xC3\xB7"
       "b\xC3\xB7"
       "c"},
      {"remove division signs", "\xC3\xB7\xC3\xB7", "\xC3\xB7", "", ""},
      {"non-overlapping", "aaa", "aa", "b", "ba"},
      {"nothing to replace", "2059", "/", "-", "2059"},
      {"empty text", "", "/", "-", ""},
      {"replacement holds the pattern", "//", "/", "//", "////"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.want) << c.name;
}

}  // namespace
}  // namespace sauramiti
