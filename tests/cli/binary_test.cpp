// Runs the built `sauramiti` program on a batch of calls spread over the calendar's whole range
// and compares its answers with the calendar procedures called directly.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/julian_day.hpp>
#include <sstream>
#include <string>
#include <tests/base/outcome.hpp>
#include <vector>

#ifndef SAURAMITI_CLI_BINARY
#error "SAURAMITI_CLI_BINARY must name the built program"
#endif

namespace sauramiti {
namespace {

using namespace SauramitiRoutine;
using testing::OutcomeOf;
using V = std::int16_t;

// Kali Ahargana counts are whole and Julian days whole plus a half; written here without the
// program's own formatter.
std::string DayCount(double value) {
  const double whole = std::floor(value);
  return std::to_string(static_cast<std::int64_t>(whole)) + (value == whole ? "" : ".5");
}

struct Batch {
  std::string input;
  std::vector<std::string> calls, expected;
  void Add(const std::string& call, std::string answer) {
    input += call + '\n';
    calls.push_back(call);
    expected.push_back(std::move(answer));
  }
};

// The fields of one call line, joined by tabs.
template <typename... Fields>
std::string Line(const std::string& method, Fields... fields) {
  std::string line = method;
  ((line += '\t' + std::string(fields)), ...);
  return line;
}

std::string S(std::int64_t n) { return std::to_string(n); }

Batch MakeBatch() {
  Batch b;
  for (V y = 1; y <= 9999; y = static_cast<V>(y + 23)) {
    for (V m = 1; m <= 12; ++m) {
      const V last = GetDaysInMonth(y, m, disNepali), wd = static_cast<V>(1 + (y + m) % 7);
      for (const V d : {V{1}, last, static_cast<V>(last + 1)}) {
        b.Add(Line("GetKaliAhargana", S(y), S(m), S(d)), DayCount(GetKaliAhargana(y, m, d)));
        b.Add(Line("GetJulianDate", S(y), S(m), S(d), S(wd)), DayCount(GetJulianDate(y, m, d, wd)));
        b.Add(Line("Nepali2EnglishDate", S(y), S(m), S(d), "-", S(m % 4), S(d % 3)),
              OutcomeOf([&] { return Nepali2EnglishDate(y, m, d, 9, m % 4, d % 3); }));
        b.Add(Line("GetWeekDay", S(y), S(m), S(d)), S(GetWeekDay(y, m, d)));
      }
      b.Add(Line("GetFirstWeekDay", S(y), S(m)), S(GetFirstWeekDay(y, m)));
      b.Add(Line("GetDaysInMonth", S(y), S(m), S(m % 3)), S(GetDaysInMonth(y, m, m % 3)));
    }
  }
  for (std::int32_t k = 1112000; k <= 4770000; k += 1009) {
    b.Add(Line("AharGana2NepaliDate", S(k), S(k % 5)),
          OutcomeOf([&] { return AharGana2NepaliDate(k, k % 5); }));
  }
  for (V y = 1; y <= 9999; y = static_cast<V>(y + 41)) {
    for (const V d : {V{1}, V{29}, V{31}}) {
      const auto m = static_cast<V>(1 + (y + d) % 12);
      b.Add(Line("English2NepaliDate", S(y), S(m), S(d), S(d % 4)),
            OutcomeOf([&] { return English2NepaliDate(y, m, d, d % 4); }));
    }
  }
  for (double jd = -2e6; jd <= 1.4e7; jd += 4999.25) {
    std::ostringstream text;
    text.precision(17);
    text << jd;
    b.Add(Line("JDate2EnglishDate", text.str(), "-", "1"),
          OutcomeOf([&] { return JDate2EnglishDate(jd, 0, 1); }));
  }
  return b;
}

int RunShell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A file name of this process's own: CTest runs the tests of this file as
// separate processes at the same time, so a shared name would let one test
// read another's output.
std::string ScratchFile(const char* stem) {
  std::string pattern = ::testing::TempDir() + stem + "-XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd >= 0) ::close(fd);
  return pattern;
}

TEST(SauramitiProgramTest, BatchAnswersMatchTheCalendarAcrossTheRange) {
  const Batch batch = MakeBatch();
  const std::string in = ScratchFile("sauramiti_batch_in");
  const std::string out = ScratchFile("sauramiti_batch_out");
  std::ofstream(in, std::ios::binary) << batch.input;
  ASSERT_EQ(RunShell(std::string(SAURAMITI_CLI_BINARY) + " call --batch < " + in + " > " + out), 0);
  std::ifstream answers(out);
  std::size_t i = 0;
  for (std::string answer; std::getline(answers, answer); ++i) {
    ASSERT_LT(i, batch.expected.size()) << "more answers than calls";
    EXPECT_EQ(answer, batch.expected[i]) << "line " << i + 1 << ": " << batch.calls[i];
  }
  EXPECT_EQ(i, batch.expected.size());
  std::remove(in.c_str());
  std::remove(out.c_str());
}

// The standard error of a shell command, read back from a file.
std::string ErrorOutput(const std::string& command, int* status) {
  const std::string file = ScratchFile("sauramiti_stderr");
  *status = RunShell(command + " 2> " + file);
  std::ifstream in(file, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), {}};
  std::remove(file.c_str());
  return text;
}

TEST(SauramitiProgramTest, OutputThatCannotBeWrittenFailsWithAMessage) {
  const std::string program = SAURAMITI_CLI_BINARY;
  const std::string batch = "printf 'GetJulianDate\\t2059\\t1\\t1\\n' | ";
  const struct {
    const char* command;
    int status;  // the command's own status when the output could be written
  } cases[] = {
      {" to-ad 2059/01/01", 0},       {" to-bs 2002-04-14", 0}, {" call GetJulianDate 2059 1 1", 0},
      {" call --batch", 0},           {" today --json", 0},     {" cal 2059 1", 0},
      {" call GetWeekDay 2059 1", 1}, {" script", 0},
  };
  for (const auto& c : cases) {
    const std::string prefix = std::string(c.command) == " call --batch" ? batch
                               : std::string(c.command) == " script"
                                   ? "printf 'call GetWeekDay 2059 1 18\\n' | "
                                   : "";
    int status = 0;
    ErrorOutput(prefix + program + c.command + " > /dev/null", &status);
    EXPECT_EQ(status, c.status) << c.command;
    const std::string message = ErrorOutput(prefix + program + c.command + " > /dev/full", &status);
    EXPECT_EQ(status, c.status == 0 ? 1 : c.status) << c.command;
    EXPECT_NE(message.find("sauramiti: cannot write the output: No space left on device\n"),
              std::string::npos)
        << c.command << ": " << message;
  }
}

TEST(SauramitiProgramTest, MessagesShowControlCharactersOfTheInputEscaped) {
  const std::string program = SAURAMITI_CLI_BINARY;
  int status = 0;
  EXPECT_EQ(ErrorOutput(program + " to-ad \"$(printf '\\033]0;x\\007')\" > /dev/null", &status),
            "sauramiti to-ad: \"\\x1b]0;x\\x07\": not a BS date of the form yyyy/mm/dd\n");
  EXPECT_EQ(status, 1);
  EXPECT_EQ(ErrorOutput("printf 'get \\302\\233\\n' | " + program + " script", &status),
            "script: line 1: unknown property \"\\u009b\"\n");
  EXPECT_EQ(status, 2);
}

}  // namespace
}  // namespace sauramiti
