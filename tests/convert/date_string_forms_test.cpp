#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <sauramiti/calendar/enumerations.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <string>
#include <string_view>
#include <tests/base/error_number.hpp>
#include <vector>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ErrorNumberOf;

#define DIV "\xC3\xB7"  // the division sign, U+00F7, in UTF-8

const std::array<std::string, 13> kMonthNames = {"",       "Vaishaka", "Jestha",  "Asadh", "Srawan",
                                                 "Bhadra", "Asvin",    "Kartika", "Marga", "Poush",
                                                 "Magha",  "Falguna",  "Chaitra"};
const std::array<std::string, 8> kWeekdayNames = {"",          "Sunday",   "Monday", "Tuesday",
                                                  "Wednesday", "Thursday", "Friday", "Saturday"};
const std::array<std::string, 13> kEnglishMonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

bool operator==(const BsDateParts& a, const BsDateParts& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.weekday == b.weekday;
}

TEST(DateStringFormsTest, ValueStringsAreReadByPositionWhateverTheSeparator) {
  struct Case {
    std::string_view name;
    std::string_view text;
    BsDateParts parts;
  };
  const std::vector<Case> cases = {
      {"slashes", "2059/01/01/1", {2059, 1, 1, 1}},
      {"dashes", "2059-01-01-1", {2059, 1, 1, 1}},
      {"division signs", "2059" DIV "01" DIV "01" DIV "1", {2059, 1, 1, 1}},
      {"padded year", "0999/12/30/7", {999, 12, 30, 7}},
      {"separators are never looked at", "2059x01y15z4", {2059, 1, 15, 4}},
      {"a number ends at its first non-digit", "20a9/1x/3 /9", {20, 1, 3, 9}},
      {"negative pieces", "-123/-1/-2/-", {-123, -1, -2, 0}},
      {"too short", "2059/01", {2059, 1, 0, 0}},
      {"empty", "", {0, 0, 0, 0}},
      {"not a date", "Invalid Input", {0, 0, 0, 0}},
      {"no separators shifts the pieces", "205901011", {2059, 10, 1, 0}},
  };
  for (const Case& c : cases) {
    const BsDateParts got = ReadValueString(c.text);
    EXPECT_TRUE(got == c.parts) << c.name << ": " << got.year << " " << got.month << " " << got.day
                                << " " << got.weekday;
  }
}

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

TEST(DateStringFormsTest, ValueStringsAreWrittenWithOneSeparatorThroughout) {
  ExpectAll({
      {"dot", [] { return MakeValueString(2059, 1, 15, 1, sepDot); }, "2059.01.15.1", 0},
      {"division sign", [] { return MakeValueString(2059, 1, 1, 1, sepdivsign); },
       "2059" DIV "01" DIV "01" DIV "1", 0},
      {"padded year", [] { return MakeValueString(999, 1, 1, 5, sepSlash); }, "0999/01/01/5", 0},
      {"no separator", [] { return MakeValueString(2059, 1, 1, 1, 4); }, "205901011", 0},
      {"negative separator", [] { return MakeValueString(2059, 1, 1, 1, -1); }, "",
       kInvalidProcedureCall},
  });
}

TEST(DateStringFormsTest, TheLiteralBsFormSpellsMonthAndWeekday) {
  struct Case {
    std::string_view name;
    BsDateParts parts;
    std::string_view text;
  };
  const std::vector<Case> cases = {
      {"a date", {2059, 1, 1, 1}, "2059 Vaishaka 1, Sunday"},
      {"no leading zeros", {999, 12, 5, 7}, "999 Chaitra 5, Saturday"},
      {"month 0 has the empty name", {2059, 0, 1, 1}, "2059  1, Sunday"},
      {"month 13 has no name", {2059, 13, 1, 1}, "2059  1, Sunday"},
      {"negative month has no name", {2059, -1, 1, 1}, "2059  1, Sunday"},
      {"weekday 8 has no name", {2059, 1, 1, 8}, "2059 Vaishaka 1, "},
      {"weekday 0", {2059, 1, 1, 0}, "2059 Vaishaka 1, "},
      {"negative numbers", {-5, 1, -3, 1}, "-5 Vaishaka -3, Sunday"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LiteralBsDate(c.parts, kMonthNames, kWeekdayNames), c.text) << c.name;
  }
}

TEST(DateStringFormsTest, TheLongEnglishFormReadsEachStyle) {
  ExpectAll({
      {"month first",
       [] { return EnglishLiteralDate("04/14/2002", datmmddyyyy, -1, kEnglishMonthNames); },
       "14 April, 2002", 0},
      {"year first",
       [] { return EnglishLiteralDate("2002-04-14", datyyyymmdd, -1, kEnglishMonthNames); },
       "14 April, 2002", 0},
      {"day first",
       [] { return EnglishLiteralDate("14.04.2002", datddmmyyyy, -1, kEnglishMonthNames); },
       "14 April, 2002", 0},
      {"division signs count as one character each",
       [] {
         return EnglishLiteralDate("14" DIV "04" DIV "2002", datddmmyyyy, -1, kEnglishMonthNames);
       },
       "14 April, 2002", 0},
      {"no leading zeros",
       [] { return EnglishLiteralDate("03/05/2002", datmmddyyyy, -1, kEnglishMonthNames); },
       "5 March, 2002", 0},
      {"a year before 1 in English",
       [] { return EnglishLiteralDate("04/14/-044", datmmddyyyy, -1, kEnglishMonthNames); },
       "14 April, 44 BC", 0},
      {"a year before 1 in Nepali",
       [] { return EnglishLiteralDate("04/14/-044", datmmddyyyy, 0, kEnglishMonthNames); },
       "14 April, 44lal;", 0},
      {"any non-zero language value is English",
       [] { return EnglishLiteralDate("04/14/-044", datmmddyyyy, 1, kEnglishMonthNames); },
       "14 April, 44 BC", 0},
      {"the rejection text is read by position too",
       [] {
         return EnglishLiteralDate("Nepali2EnglishDate =Invalid Date", datmmddyyyy, -1,
                                   kEnglishMonthNames);
       },
       "0 , 2", 0},
      {"month 13",
       [] { return EnglishLiteralDate("13/01/2002", datmmddyyyy, -1, kEnglishMonthNames); }, "",
       kSubscriptOutOfRange},
      {"negative month",
       [] { return EnglishLiteralDate("-1/01/2002", datmmddyyyy, -1, kEnglishMonthNames); }, "",
       kSubscriptOutOfRange},
      {"unknown style", [] { return EnglishLiteralDate("04/14/2002", 3, -1, kEnglishMonthNames); },
       "", kTypeMismatch},
      {"negative style",
       [] { return EnglishLiteralDate("04/14/2002", -1, -1, kEnglishMonthNames); }, "",
       kTypeMismatch},
  });
}

TEST(DateStringFormsTest, RestylingReadsOneStyleAndWritesAnother) {
  ExpectAll({
      {"month first to year first",
       [] { return RestyleEnglishDate("04/14/2002", datmmddyyyy, datyyyymmdd, sepDot); },
       "2002.04.14", 0},
      {"year first to day first",
       [] { return RestyleEnglishDate("2002-04-14", datyyyymmdd, datddmmyyyy, sepdivsign); },
       "14" DIV "04" DIV "2002", 0},
      {"same style, new separator",
       [] { return RestyleEnglishDate("14.04.2002", datddmmyyyy, datddmmyyyy, sepSlash); },
       "14/04/2002", 0},
      {"unknown source style reads zeros",
       [] { return RestyleEnglishDate("04/14/2002", 3, datmmddyyyy, sepSlash); }, "00/00/0000", 0},
      {"unknown target style",
       [] { return RestyleEnglishDate("04/14/2002", datmmddyyyy, 3, sepSlash); }, "", 0},
      {"negative separator",
       [] { return RestyleEnglishDate("04/14/2002", datmmddyyyy, datyyyymmdd, -1); }, "",
       kInvalidProcedureCall},
  });
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
