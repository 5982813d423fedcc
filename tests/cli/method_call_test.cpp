#include <gtest/gtest.h>

#include <cli/method_binding.hpp>
#include <cli/method_call.hpp>
#include <cli/routine_methods.hpp>
#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace sauramiti::cli {
namespace {

// A stand-in for the control that records what each method received, so the tests see how text
// arguments and defaults reach the parameters.
struct RecordingTarget {
  mutable std::string calls;

  template <typename... Args>
  std::string Record(std::string_view name, Args... args) const {
    std::ostringstream text;
    text.precision(17);
    text << name << '(';
    const char* comma = "";
    ((text << comma << static_cast<double>(args), comma = ","), ...);
    text << ')';
    calls = text.str();
    return calls;
  }

  std::string English2NepaliDate(std::int16_t y, std::int16_t m, std::int16_t d,
                                 MyYMDSeparatorConstants sep) const {
    return Record("English2NepaliDate", y, m, d, sep);
  }
  std::int16_t GetFirstWeekDay(std::int16_t y, std::int16_t m) const {
    Record("GetFirstWeekDay", y, m);
    return 1;
  }
  std::int16_t GetDaysInMonth(std::int16_t y, std::int16_t m,
                              MyDateDistinguisherConstants what) const {
    Record("GetDaysInMonth", y, m, what);
    return 2;
  }
  std::int16_t GetWeekDay(std::int16_t y, std::int16_t m, std::int16_t d) const {
    Record("GetWeekDay", y, m, d);
    return 3;
  }
  double GetKaliAhargana(std::int16_t y, std::int16_t m, std::int16_t d, std::int16_t w) const {
    Record("GetKaliAhargana", y, m, d, w);
    return 4.5;
  }
  std::string Nepali2EnglishDate(std::int16_t y, std::int16_t m, std::int16_t d, std::int16_t w,
                                 MyYMDSeparatorConstants sep,
                                 MyEnglishDateStyleConstants style) const {
    return Record("Nepali2EnglishDate", y, m, d, w, sep, style);
  }
  double GetJulianDate(std::int16_t y, std::int16_t m, std::int16_t d, std::int16_t w) const {
    Record("GetJulianDate", y, m, d, w);
    return 5.5;
  }
  std::string AharGana2NepaliDate(double k, MyYMDSeparatorConstants sep) const {
    return Record("AharGana2NepaliDate", k, sep);
  }
  std::string JDate2EnglishDate(double jd, MyYMDSeparatorConstants sep,
                                MyEnglishDateStyleConstants style) const {
    return Record("JDate2EnglishDate", jd, sep, style);
  }
};

std::string CallLine(const MethodTable& table, std::string_view name,
                     std::initializer_list<std::string_view> arguments) {
  const std::vector<std::string_view> args(arguments);
  std::string out;
  AppendCallLine(table, name, args, out);
  return out;
}

struct RoutingCase {
  std::string_view name;
  std::string_view method;
  std::initializer_list<std::string_view> arguments;
  std::string_view received;  // what the recording target saw, or the answer line
};

TEST(MethodCallTest, ArgumentsReachTheirParametersAndOmittedOnesTakeTheControlsDefaults) {
  const RecordingTarget target;
  const MethodTable table = MakeMethodTable(target);
  const std::initializer_list<RoutingCase> cases = {
      {"all six given",
       "Nepali2EnglishDate",
       {"1", "2", "3", "4", "5", "6"},
       "Nepali2EnglishDate(1,2,3,4,5,6)"},
      {"optional tail left off",
       "Nepali2EnglishDate",
       {"1", "2", "3"},
       "Nepali2EnglishDate(1,2,3,9,0,0)"},
      {"dash in the middle",
       "Nepali2EnglishDate",
       {"1", "2", "3", "-", "1", "2"},
       "Nepali2EnglishDate(1,2,3,9,1,2)"},
      {"dash at the end",
       "Nepali2EnglishDate",
       {"1", "2", "3", "7", "-"},
       "Nepali2EnglishDate(1,2,3,7,0,0)"},
      {"separator default",
       "English2NepaliDate",
       {"2002", "4", "14"},
       "English2NepaliDate(2002,4,14,0)"},
      {"enumeration beyond its members",
       "English2NepaliDate",
       {"2002", "4", "14", "-2147483648"},
       "English2NepaliDate(2002,4,14,-2147483648)"},
      {"weekday default", "GetKaliAhargana", {"2059", "1", "1"}, "GetKaliAhargana(2059,1,1,9)"},
      {"julian weekday default", "GetJulianDate", {"2059", "1", "1"}, "GetJulianDate(2059,1,1,9)"},
      {"required enumeration", "GetDaysInMonth", {"2059", "1", "1"}, "GetDaysInMonth(2059,1,1)"},
      {"two integers", "GetFirstWeekDay", {"-1", "+2"}, "GetFirstWeekDay(-1,2)"},
      {"three integers", "GetWeekDay", {"1", "2", "3"}, "GetWeekDay(1,2,3)"},
      {"double and default",
       "AharGana2NepaliDate",
       {"1863913.5"},
       "AharGana2NepaliDate(1863913.5,0)"},
      {"double and both defaults",
       "JDate2EnglishDate",
       {"2.5", "-", "-"},
       "JDate2EnglishDate(2.5,0,0)"},
  };
  for (const RoutingCase& c : cases) {
    target.calls.clear();
    CallLine(table, c.method, c.arguments);
    EXPECT_EQ(target.calls, c.received) << c.name;
  }
}

TEST(MethodCallTest, CallsThatCannotBeMadeAnswerWithTheirErrorNumber) {
  const RecordingTarget target;
  const MethodTable table = MakeMethodTable(target);
  const std::initializer_list<RoutingCase> cases = {
      {"unknown method", "GetMonth", {"1"}, "error 438"},
      {"empty name", "", {}, "error 438"},
      {"name with a trailing blank", "GetWeekDay ", {"1", "2", "3"}, "error 438"},
      {"too few", "GetWeekDay", {"1", "2"}, "error 450"},
      {"none at all", "GetWeekDay", {}, "error 450"},
      {"too many", "GetFirstWeekDay", {"1", "2", "3"}, "error 450"},
      {"dash for a required parameter", "GetWeekDay", {"1", "-", "3"}, "error 450"},
      {"required enumeration left off", "GetDaysInMonth", {"2059", "1"}, "error 450"},
      {"count is checked before values", "GetWeekDay", {"x", "y"}, "error 450"},
      {"too many dashes", "AharGana2NepaliDate", {"1", "-", "-"}, "error 450"},
      {"first bad argument decides", "GetWeekDay", {"1", "x", "99999"}, "error 13"},
      {"overflow before a later mismatch", "GetWeekDay", {"1", "99999", "x"}, "error 6"},
      {"bad optional", "GetKaliAhargana", {"1", "1", "1", "9.0"}, "error 13"},
      {"empty argument", "GetFirstWeekDay", {"2059", ""}, "error 13"},
  };
  for (const RoutingCase& c : cases) {
    target.calls.clear();
    EXPECT_EQ(CallLine(table, c.method, c.arguments), c.received) << c.name;
    EXPECT_EQ(target.calls, "") << c.name << ": the method must not run";
  }
}

TEST(MethodCallTest, NamesIgnoreLetterCase) {
  const RecordingTarget target;
  const MethodTable table = MakeMethodTable(target);
  for (std::string_view name : {"getweekday", "GETWEEKDAY", "gETwEEKdAY"}) {
    EXPECT_EQ(CallLine(table, name, {"1", "2", "3"}), "3") << name;
  }
}

// A run-time error raised inside a method is its answer, like any error of the call itself.
TEST(MethodCallTest, ErrorsRaisedByTheCalendarBecomeTheAnswer) {
  static const RoutineMethods routines;
  const MethodTable table = MakeMethodTable(routines);
  const std::initializer_list<RoutingCase> cases = {
      {"negative separator code", "AharGana2NepaliDate", {"1863913", "-1"}, "error 5"},
      {"Julian day of year 32768", "JDate2EnglishDate", {"13689325.5"}, "error 6"},
      {"NaN day count", "AharGana2NepaliDate", {"nan"}, "error 6"},
      {"day count past the last year", "AharGana2NepaliDate", {"4800000"}, "error 9"},
      {"and the next call is answered normally",
       "JDate2EnglishDate",
       {"2451544.5", "1", "2"},
       "2000-01-01"},
  };
  for (const RoutingCase& c : cases) {
    EXPECT_EQ(CallLine(table, c.method, c.arguments), c.received) << c.name;
  }
}

}  // namespace
}  // namespace sauramiti::cli
