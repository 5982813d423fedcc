// `sauramiti call`: reading arguments, calling a method by name, and writing its one answer line.
// Facts used: BS 2059/01/01 is Sunday 14 April 2002, Julian day 2452378.5, Kali Ahargana 1863913.
#include <gtest/gtest.h>

#include <charconv>
#include <cli/batch_call.hpp>
#include <cli/call_arguments.hpp>
#include <cli/method_binding.hpp>
#include <cli/method_host.hpp>
#include <cli/result_text.hpp>
#include <cmath>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <tests/base/outcome.hpp>
#include <variant>

namespace sauramiti::cli {
namespace {

using sauramiti::testing::ExpectRows;

std::string Batch(const std::string& input, bool interactive = false) {
  static const MethodHost methods;
  static const MethodTable table = MakeMethodTable(methods.Control());
  std::istringstream in(input);
  std::ostringstream out;
  const BatchCounts counts = RunCallBatch(table, in, out, interactive);
  return out.str() + std::to_string(counts.lines) + " lines, " + std::to_string(counts.errors) +
         " errors";
}

// Each line is answered by exactly one line; the counts follow the answers.
TEST(CallTest, EveryLineGetsOneAnswer) {
  ExpectRows({
      {OUTCOME(Batch("GetWeekDay\t2059\t1\t18")), "4\n1 lines, 0 errors"},
      {OUTCOME(Batch("GetFirstWeekDay\t2059\t2\r\nGetJulianDate\t2059\t1\t1\r\n")),
       "4\n2452378.5\n2 lines, 0 errors"},
      {OUTCOME(Batch("\nGetFirstWeekDay 2059 1\nnope\n")),
       "error 438\nerror 438\nerror 438\n3 lines, 3 errors"},
      // Omitted optionals take the control's defaults: weekday 9 (none), "/" and mm/dd/yyyy.
      {OUTCOME(Batch("GetKaliAhargana\t2059\t1\t1\n")), "1863913\n1 lines, 0 errors"},
      {OUTCOME(Batch("Nepali2EnglishDate\t2059\t1\t1\n")), "04/14/2002\n1 lines, 0 errors"},
      {OUTCOME(Batch("Nepali2EnglishDate\t2059\t1\t1\t-\t1\t2\n")),
       "2002-04-14\n1 lines, 0 errors"},
      {OUTCOME(Batch("AharGana2NepaliDate\t1863913\t3\n")), "2059÷01÷01÷1\n1 lines, 0 errors"},
      // The argument count is checked first, then the arguments from the left.
      {OUTCOME(Batch("GetFirstWeekDay\t2059\t1\t\n")), "error 450\n1 lines, 1 errors"},
      {OUTCOME(Batch("GetWeekDay\t2059\t-\t1\n")), "error 450\n1 lines, 1 errors"},
      {OUTCOME(Batch("GetDaysInMonth\t2059\t1\n")), "error 450\n1 lines, 1 errors"},
      {OUTCOME(Batch("AharGana2NepaliDate\t1\t-\t-\n")), "error 450\n1 lines, 1 errors"},
      {OUTCOME(Batch("GetWeekDay\t1\tx\t99999\n")), "error 13\n1 lines, 1 errors"},
      {OUTCOME(Batch("GetWeekDay\t1\t99999\tx\n")), "error 6\n1 lines, 1 errors"},
      {OUTCOME(Batch("GetKaliAhargana\t1\t1\t1\t9.0\n")), "error 13\n1 lines, 1 errors"},
      // Errors raised by the calendar are answers too, and the next line goes on.
      {OUTCOME(Batch("AharGana2NepaliDate\t4800000\nJDate2EnglishDate\t13689325.5\n"
                     "JDate2EnglishDate\t2451544.5\t1\t2\n")),
       "error 9\nerror 6\n2000-01-01\n3 lines, 2 errors"},
  });
}

TEST(CallTest, InteractiveInputIsFlushedLineByLine) {
  class FlushCounter : public std::stringbuf {
   public:
    int flushes = 0;
    int sync() override { return ++flushes, std::stringbuf::sync(); }
  };
  static const MethodHost methods;
  const MethodTable table = MakeMethodTable(methods.Control());
  for (const bool interactive : {false, true}) {
    FlushCounter buffer;
    std::ostream out(&buffer);
    std::istringstream in("GetFirstWeekDay\t2059\t1\nbad\n");
    RunCallBatch(table, in, out, interactive);
    EXPECT_EQ(buffer.str(), "1\nerror 438\n");
    EXPECT_EQ(buffer.flushes, interactive ? 3 : 1) << interactive;
  }
}

TEST(CallTest, ArgumentsOfEachKind) {
  const auto read = [](std::string_view text, ParameterKind kind) {
    const ArgumentValue value = ParseArgument(text, kind);
    if (const auto* d = std::get_if<double>(&value)) return sauramiti::testing::AsText(*d);
    if (const auto* i = std::get_if<std::int16_t>(&value)) return "i16 " + std::to_string(*i);
    return "i32 " + std::to_string(std::get<std::int32_t>(value));
  };
  constexpr auto I = ParameterKind::Integer, E = ParameterKind::Enumeration;
  constexpr auto D = ParameterKind::Double;
  ExpectRows({
      {OUTCOME(read("+12", I)), "i16 12"},
      {OUTCOME(read("000000000000000000000000032767", I)), "i16 32767"},
      {OUTCOME(read("99999999999999999999999", I)), "error 6"},
      {OUTCOME(read("-2147483648", E)), "i32 -2147483648"},
      {OUTCOME(read("2147483648", E)), "error 6"},
      {OUTCOME(read("2.0", I)), "error 13"},
      {OUTCOME(read("0x10", E)), "error 13"},
      {OUTCOME(read("nan", I)), "error 13"},
      {OUTCOME(read("-.5", D)), "-0.5"},
      {OUTCOME(read("0.1000000000000000055511151231257827", D)), "0.1"},
      {OUTCOME(read("1e-400", D)), "0"},
      {OUTCOME(read("1e400", D)), "error 6"},
      {OUTCOME(read("Infinity", D)), "inf"},
      {OUTCOME(read("+NAN", D)), "nan"},
      {OUTCOME(read("nan(1)", D)), "error 13"},
      {OUTCOME(read("0x1p3", D)), "error 13"},
      {OUTCOME(read("1,5", D)), "error 13"},
  });
}

std::string DoubleText(double value) {
  std::string out;
  AppendDouble(out, value);
  return out;
}

TEST(CallTest, DoublesAreShortestAndWholeOnesBelowTenToTheFifteenArePlain) {
  ExpectRows({
      {OUTCOME(DoubleText(-0.0)), "0"},
      {OUTCOME(DoubleText(2000000.0)), "2000000"},
      {OUTCOME(DoubleText(999999999999999.0)), "999999999999999"},
      {OUTCOME(DoubleText(1e15)), "1e+15"},
      {OUTCOME(DoubleText(2452378.5)), "2452378.5"},
      {OUTCOME(DoubleText(-std::nan(""))), "nan"},
      {OUTCOME(DoubleText(-HUGE_VAL)), "-inf"},
  });
  std::mt19937_64 random(20590101);
  for (int i = 0; i < 100000; ++i) {
    const std::uint64_t bits = random();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    if (i % 2 == 0) value = std::round(std::fmod(value, 1e16));  // many whole numbers too
    const std::string text = DoubleText(value);
    double back = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), back);
    ASSERT_TRUE(result.ptr == text.data() + text.size() && back == value) << text;
  }
}

}  // namespace
}  // namespace sauramiti::cli
