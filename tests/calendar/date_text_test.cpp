#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sauramiti/calendar/date_text.hpp>
#include <string>
#include <string_view>
#include <tests/base/error_number.hpp>
#include <vector>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ErrorNumberOf;

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
#define DIV "\xC3\xB7"  // the division sign, U+00F7, in UTF-8

struct TextCase {
  std::string_view name;
  std::string (*make)();
  std::string_view text;  // when error is 0
  std::int32_t error;
};

void ExpectAll(const std::vector<TextCase>& cases) {
  for (const TextCase& c : cases) {
    std::string got;
    EXPECT_EQ(ErrorNumberOf([&] { got = c.make(); }), c.error) << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.text) << c.name;
    }
  }
}

TEST(DateTextTest, SeparatorCodesPickTheirCharacter) {
  ExpectAll({
      {"slash", [] { return std::string(SeparatorChar(sepSlash)); }, "/", 0},
      {"dash", [] { return std::string(SeparatorChar(sepDash)); }, "-", 0},
      {"dot", [] { return std::string(SeparatorChar(sepDot)); }, ".", 0},
      {"division sign", [] { return std::string(SeparatorChar(sepdivsign)); }, DIV, 0},
      {"4 has none", [] { return std::string(SeparatorChar(4)); }, "", 0},
      {"largest code has none", [] { return std::string(SeparatorChar(kMax32)); }, "", 0},
      {"-1", [] { return std::string(SeparatorChar(-1)); }, "", kInvalidProcedureCall},
      {"smallest code", [] { return std::string(SeparatorChar(kMin32)); }, "",
       kInvalidProcedureCall},
  });
}

TEST(DateTextTest, FormatYMDPadsFieldsAndOrdersThemByStyle) {
  ExpectAll({
      {"month first, dash", [] { return FormatYMD(2002, 4, 14, 1, 0); }, "04-14-2002", 0},
      {"day first, dash", [] { return FormatYMD(2002, 4, 14, 1, 1); }, "14-04-2002", 0},
      {"year first, dot", [] { return FormatYMD(2002, 4, 14, 2, 2); }, "2002.04.14", 0},
      {"month first, slash", [] { return FormatYMD(2002, 4, 14, 0, 0); }, "04/14/2002", 0},
      {"division sign", [] { return FormatYMD(2002, 4, 14, 3, 0); }, "04" DIV "14" DIV "2002", 0},
      {"no separator", [] { return FormatYMD(2002, 4, 14, 4, 0); }, "04142002", 0},
      {"a BS date", [] { return FormatYMD(2059, 1, 1, 0, 2); }, "2059/01/01", 0},
      {"year padded to four", [] { return FormatYMD(5, 1, 1, 0, 2); }, "0005/01/01", 0},
      {"year 999", [] { return FormatYMD(999, 12, 30, 0, 2); }, "0999/12/30", 0},
      {"five-digit year", [] { return FormatYMD(12345, 1, 1, 0, 0); }, "01/01/12345", 0},
      {"negative year padded after the sign", [] { return FormatYMD(-44, 4, 14, 0, 0); },
       "04/14/-0044", 0},
      {"zeros", [] { return FormatYMD(0, 0, 0, 0, 2); }, "0000/00/00", 0},
      {"16-bit extremes", [] { return FormatYMD(-32768, -32768, 32767, 3, 2); },
       "-32768" DIV "-32768" DIV "32767", 0},
      {"unknown style", [] { return FormatYMD(2002, 4, 14, 1, 7); }, "", 0},
      {"negative style", [] { return FormatYMD(2002, 4, 14, 1, -1); }, "", 0},
      {"negative separator", [] { return FormatYMD(2002, 4, 14, -1, 0); }, "",
       kInvalidProcedureCall},
      {"negative separator, unknown style", [] { return FormatYMD(2002, 4, 14, -1, 7); }, "",
       kInvalidProcedureCall},
  });
}

TEST(DateTextTest, ChangeSeparatorReplacesEveryCharacterOfTheSourceCode) {
  ExpectAll({
      {"same code", [] { return ChangeSeparator("2059/01/01/1", 0, 0); }, "2059/01/01/1", 0},
      {"to dash", [] { return ChangeSeparator("2059/01/01/1", 0, 1); }, "2059-01-01-1", 0},
      {"to division sign", [] { return ChangeSeparator("2059/01/01/1", 0, 3); },
       "2059" DIV "01" DIV "01" DIV "1", 0},
      {"from division sign", [] { return ChangeSeparator("2059" DIV "01" DIV "01" DIV "1", 3, 2); },
       "2059.01.01.1", 0},
      {"removed by code 5", [] { return ChangeSeparator("2059/01/01/1", 0, 5); }, "205901011", 0},
      {"only the source character", [] { return ChangeSeparator("a/b-c.d", 1, 0); }, "a/b/c.d", 0},
      {"a lone byte of the division sign is no separator",
       [] {
         return ChangeSeparator(
             "1\xC3"
             "2",
             3, 0);
       },
       "1\xC3"
       "2",
       0},
      {"empty text", [] { return ChangeSeparator("", 0, 3); }, "", 0},
      // A source code of 4 or more has no character to look for.
      {"source code 4", [] { return ChangeSeparator("2059/01/01/1", 4, 1); }, "2059/01/01/1", 0},
      {"largest source code", [] { return ChangeSeparator("2059/01/01/1", kMax32, 2); },
       "2059/01/01/1", 0},
      {"equal negative codes", [] { return ChangeSeparator("2059/01/01/1", -1, -1); },
       "2059/01/01/1", 0},
      {"negative source code", [] { return ChangeSeparator("2059/01/01/1", -1, 0); }, "",
       kInvalidProcedureCall},
      {"negative target code", [] { return ChangeSeparator("2059/01/01/1", 0, -1); }, "",
       kInvalidProcedureCall},
      {"negative target code, nothing to replace", [] { return ChangeSeparator("2059", 0, -2); },
       "", kInvalidProcedureCall},
  });
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
