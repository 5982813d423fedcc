// Runs the built `sauramiti` program on a batch of calls spread over the calendar's whole range
// and compares its answers with the calendar procedures called directly.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/julian_day.hpp>
#include <sstream>
#include <string>
#include <vector>

#ifndef SAURAMITI_CLI_BINARY
#error "SAURAMITI_CLI_BINARY must name the built program"
#endif

namespace sauramiti {
namespace {

namespace routine = SauramitiRoutine;

// The day counts these methods return are whole (Kali Ahargana) or whole plus one half (Julian
// day); written here without the program's own formatter.
std::string DayCountText(double value) {
  const double whole = std::floor(value);
  std::string text = std::to_string(static_cast<std::int64_t>(whole));
  if (value != whole) {
    EXPECT_EQ(value - whole, 0.5) << "an unexpected day count " << value;
    text += ".5";
  }
  return text;
}

struct Batch {
  std::string input;
  std::vector<std::string> expected;

  // Adds one call line and the answer `compute` gives, or "error N" if it raises.
  template <typename Compute>
  void Add(const std::string& line, Compute compute) {
    input += line + '\n';
    try {
      expected.push_back(compute());
    } catch (const RuntimeError& error) {
      expected.push_back("error " + std::to_string(error.Number()));
    }
  }
};

std::string Join(std::initializer_list<std::string> fields) {
  std::string line;
  for (const std::string& field : fields) line += (line.empty() ? "" : "\t") + field;
  return line;
}

std::string S(std::int64_t n) { return std::to_string(n); }

Batch MakeBatch() {
  Batch batch;
  for (std::int16_t year = 1; year <= 9999; year = static_cast<std::int16_t>(year + 23)) {
    const auto y = year;
    for (std::int16_t m = 1; m <= 12; ++m) {
      const std::int16_t last = routine::GetDaysInMonth(y, m, disNepali);
      const std::int16_t wd = static_cast<std::int16_t>(1 + (y + m) % 7);
      for (const std::int16_t d : {std::int16_t{1}, last, static_cast<std::int16_t>(last + 1)}) {
        batch.Add(Join({"GetKaliAhargana", S(y), S(m), S(d)}),
                  [&] { return DayCountText(routine::GetKaliAhargana(y, m, d)); });
        batch.Add(Join({"GetJulianDate", S(y), S(m), S(d), S(wd)}),
                  [&] { return DayCountText(routine::GetJulianDate(y, m, d, wd)); });
        batch.Add(Join({"Nepali2EnglishDate", S(y), S(m), S(d), "-", S(m % 4), S(d % 3)}),
                  [&] { return routine::Nepali2EnglishDate(y, m, d, 9, m % 4, d % 3); });
        batch.Add(Join({"GetWeekDay", S(y), S(m), S(d)}),
                  [&] { return S(routine::GetWeekDay(y, m, d)); });
      }
      batch.Add(Join({"GetFirstWeekDay", S(y), S(m)}),
                [&] { return S(routine::GetFirstWeekDay(y, m)); });
      batch.Add(Join({"GetDaysInMonth", S(y), S(m), S(m % 3)}),
                [&] { return S(routine::GetDaysInMonth(y, m, m % 3)); });
    }
  }
  for (std::int32_t k = 1112000; k <= 4770000; k += 1009) {
    batch.Add(Join({"AharGana2NepaliDate", S(k), S(k % 5)}),
              [&] { return routine::AharGana2NepaliDate(k, k % 5); });
  }
  for (std::int16_t year = 1; year <= 9999; year = static_cast<std::int16_t>(year + 41)) {
    const auto y = year;
    for (const std::int16_t d : {std::int16_t{1}, std::int16_t{29}, std::int16_t{31}}) {
      const auto m = static_cast<std::int16_t>(1 + (y + d) % 12);
      batch.Add(Join({"English2NepaliDate", S(y), S(m), S(d), S(d % 4)}),
                [&] { return routine::English2NepaliDate(y, m, d, d % 4); });
    }
  }
  for (double jd = -2e6; jd <= 1.4e7; jd += 4999.25) {
    std::ostringstream text;
    text.precision(17);
    text << jd;
    batch.Add(Join({"JDate2EnglishDate", text.str(), "-", "1"}),
              [&] { return routine::JDate2EnglishDate(jd, 0, 1); });
  }
  // Lines that cannot be calls.
  const std::vector<std::pair<std::string, std::string>> malformed = {
      {"", "error 438"},
      {"GetWeekday\t2059\t1\t1", S(routine::GetWeekDay(2059, 1, 1))},
      {"GetTime", "error 438"},
      {"GetWeekDay\t2059\t1", "error 450"},
      {"GetFirstWeekDay\t2059\t1\t1", "error 450"},
      {"GetDaysInMonth\t2059\t1\t-", "error 450"},
      {"GetWeekDay\t2059\t1\tone", "error 13"},
      {"GetWeekDay\t2059\t1\t32768", "error 6"},
      {"AharGana2NepaliDate\t1e999", "error 6"},
      {"AharGana2NepaliDate\tinf", "error 6"},
  };
  for (const auto& [line, answer] : malformed) batch.Add(line, [&] { return answer; });
  return batch;
}

int RunShell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

TEST(SauramitiProgramTest, BatchAnswersMatchTheCalendarAcrossTheRange) {
  const Batch batch = MakeBatch();
  const std::string in = testing::TempDir() + "sauramiti_batch_in.tsv";
  const std::string out = testing::TempDir() + "sauramiti_batch_out.txt";
  std::ofstream(in, std::ios::binary) << batch.input;

  ASSERT_EQ(RunShell(std::string(SAURAMITI_CLI_BINARY) + " call --batch < " + in + " > " + out), 0);
  const std::vector<std::string> answers = ReadLines(out);
  ASSERT_EQ(answers.size(), batch.expected.size());
  std::istringstream calls(batch.input);
  std::string call;
  for (std::size_t i = 0; i < answers.size(); ++i) {
    std::getline(calls, call);
    EXPECT_EQ(answers[i], batch.expected[i]) << "line " << i + 1 << ": " << call;
  }
}

TEST(SauramitiProgramTest, ExitStatusTellsSuccessErrorAndMisuse) {
  const std::string program = SAURAMITI_CLI_BINARY;
  const std::string quiet = " > /dev/null 2>&1";
  EXPECT_EQ(RunShell(program + " call GetWeekDay 2059 1 18" + quiet), 0);
  EXPECT_EQ(RunShell(program + " call GetWeekDay 2059 1" + quiet), 1);
  EXPECT_EQ(RunShell(program + " to-ad 2059/01/01 2059/13/01" + quiet), 1);
  EXPECT_EQ(RunShell(program + " --no-such-option" + quiet), 2);
  EXPECT_EQ(RunShell(program + " --version" + quiet), 0);
  EXPECT_EQ(RunShell(program + quiet), 0);
}

}  // namespace
}  // namespace sauramiti
