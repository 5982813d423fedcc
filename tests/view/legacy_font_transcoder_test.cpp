#include <gtest/gtest.h>

#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <string>
#include <string_view>

namespace sauramiti::view {
namespace {

TEST(LegacyFontToUnicodeTest, KeysBecomeTheDevanagariTheFontDraws) {
  struct Case {
    const char* name;
    std::string_view ascii, unicode;
  };
  const Case cases[] = {
      {"tail completes a glyph", "z'qmjf/", "शुक्रवार"},
      {"half consonant completed by stem", "h]i&", "जेष्ठ"},
      {"i-sign behind a half consonant cluster", "cflZjg", "आश्विन"},
      {"i-sign behind a subscript r", "clk|n", "अप्रिल"},
      {"i-sign behind an explicit virama", "ls\\t", "क्ति"},
      {"reph over a vowel-signed syllable", "sflt{s", "कार्तिक"},
      {"reph with nothing before it", "{", "र्"},
      {"the wrong key is drawn as typed", "km]j|'j/L", "फेव्रुवरी"},
      {"digits, danda, blanks and commas", "2059 j}zfv 1, /ljjf/ .", "२०५९ वैशाख १, रविवार ।"},
      {"bytes above 0x7F are copied", "\xA9g नेपाल", "\xA9न नेपाल"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LegacyFontToUnicode(c.ascii), c.unicode) << c.name << ": \"" << c.ascii << '"';
  }
}

// A half consonant that is never joined or completed would leave two viramas in a row or a
// virama before the aa-sign, neither of which Devanagari text contains. Every three-key text of
// printable ASCII is tried (a blank stands in for shorter texts), except with the two keys that
// write a bare virama on purpose when nothing follows: the backslash and a lone reph.
TEST(LegacyFontToUnicodeTest, NoDanglingViramaForAnyThreeKeyInput) {
  const auto bare = [](char k) { return k == '\\' || k == '{'; };
  for (char a = ' '; a <= '~'; ++a) {
    for (char b = ' '; b <= '~'; ++b) {
      for (char c = ' '; c <= '~'; ++c) {
        if (bare(a) || bare(b) || bare(c)) continue;
        const std::string input = {a, b, c};
        const std::string output = LegacyFontToUnicode(input);
        ASSERT_EQ(output.find("\u094D\u094D"), std::string::npos) << input;
        ASSERT_EQ(output.find("\u094D\u093E"), std::string::npos) << input;
      }
    }
  }
}

}  // namespace
}  // namespace sauramiti::view
