#include <gtest/gtest.h>

#include <cli/batch_call.hpp>
#include <cli/method_binding.hpp>
#include <cli/routine_methods.hpp>
#include <initializer_list>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

namespace sauramiti::cli {
namespace {

const MethodTable& Table() {
  static const RoutineMethods routines;
  static const MethodTable table = MakeMethodTable(routines);
  return table;
}

struct Case {
  std::string_view name;
  std::string_view input;
  std::string_view output;
  std::size_t lines;
  std::size_t errors;
};

TEST(RunCallBatchTest, EveryLineGetsExactlyOneAnswerLine) {
  const std::initializer_list<Case> cases = {
      {"nothing", "", "", 0, 0},
      {"one call", "GetKaliAhargana\t2059\t1\t1\n", "1863913\n", 1, 0},
      {"last line without a line end", "GetWeekDay\t2059\t1\t18", "4\n", 1, 0},
      {"windows line ends", "GetFirstWeekDay\t2059\t2\r\nGetJulianDate\t2059\t1\t1\r\n",
       "4\n2452378.5\n", 2, 0},
      {"good and bad lines keep going",
       "GetWeekDay\t2059\t1\t18\n"
       "NoSuchMethod\t1\n"
       "GetWeekDay\t2059\t1\n"
       "GetWeekDay\t2059\tx\t1\n"
       "GetWeekDay\t2059\t1\t40000\n"
       "AharGana2NepaliDate\tnan\n"
       "English2NepaliDate\t2002\t4\t14\t-\n",
       "4\nerror 438\nerror 450\nerror 13\nerror 6\nerror 6\n2059/01/01/1\n", 7, 5},
      {"an empty line is no method", "\nGetFirstWeekDay\t2059\t1\n\n", "error 438\n1\nerror 438\n",
       3, 2},
      {"blank-separated fields name no method", "GetFirstWeekDay 2059 1\n", "error 438\n", 1, 1},
      {"a trailing tab is one more, empty argument", "GetFirstWeekDay\t2059\t1\t\n", "error 450\n",
       1, 1},
      {"an empty field is not a number", "GetFirstWeekDay\t\t1\n", "error 13\n", 1, 1},
      {"texts come out as they are", "AharGana2NepaliDate\t1863913\t3\n", "2059÷01÷01÷1\n", 1, 0},
  };
  for (const Case& c : cases) {
    std::istringstream in{std::string(c.input)};
    std::ostringstream out;
    const BatchCounts counts = RunCallBatch(Table(), in, out, /*flushEachLine=*/false);
    EXPECT_EQ(out.str(), c.output) << c.name;
    EXPECT_EQ(counts.lines, c.lines) << c.name;
    EXPECT_EQ(counts.errors, c.errors) << c.name;
  }
}

// Counts how often the stream is flushed.
class FlushCounter : public std::stringbuf {
 public:
  int flushes = 0;

 protected:
  int sync() override {
    ++flushes;
    return std::stringbuf::sync();
  }
};

TEST(RunCallBatchTest, InteractiveInputIsAnsweredLineByLine) {
  const std::string input = "GetFirstWeekDay\t2059\t1\nGetFirstWeekDay\t2059\t2\nbad\n";
  for (const bool interactive : {false, true}) {
    FlushCounter buffer;
    std::ostream out(&buffer);
    std::istringstream in(input);
    RunCallBatch(Table(), in, out, interactive);
    EXPECT_EQ(buffer.str(), "1\n4\nerror 438\n");
    EXPECT_EQ(buffer.flushes, interactive ? 4 : 1) << "interactive " << interactive;
  }
}

TEST(RunCallBatchTest, LongStreamsAreWrittenCompletely) {
  // More answers than one output block holds.
  std::string input;
  std::string expected;
  for (int i = 0; i < 30000; ++i) {
    input += i % 3 == 0 ? "GetJulianDate\t2059\t1\t1\n" : "GetDaysInMonth\t2059\t3\t1\n";
    expected += i % 3 == 0 ? "2452378.5\n" : "32\n";
  }
  std::istringstream in(input);
  std::ostringstream out;
  EXPECT_EQ(RunCallBatch(Table(), in, out, false).lines, 30000u);
  EXPECT_EQ(out.str(), expected);
}

}  // namespace
}  // namespace sauramiti::cli
