#include <cli/batch_call.hpp>
#include <cli/method_call.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace sauramiti::cli {

namespace {

// Output is handed to the stream in blocks of about this size.
constexpr std::size_t kOutputBlock = 64 * 1024;

// Splits `line` at tabs into `fields` (cleared first; its capacity is reused across lines).
void SplitAtTabs(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return;
    }
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
}

}  // namespace

BatchCounts RunCallBatch(const MethodTable& table, std::istream& in, std::ostream& out,
                         bool flushEachLine) {
  BatchCounts counts;
  std::string line;
  std::string answers;
  answers.reserve(kOutputBlock + 256);
  std::vector<std::string_view> fields;
  fields.reserve(kMaxParameters + 2);

  while (std::getline(in, line)) {
    std::string_view text = line;
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    SplitAtTabs(text, fields);
    const std::span<const std::string_view> arguments(fields.data() + 1, fields.size() - 1);
    if (!AppendCallLine(table, fields.front(), arguments, answers)) ++counts.errors;
    answers.push_back('\n');
    ++counts.lines;
    if (flushEachLine || answers.size() >= kOutputBlock) {
      out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
      answers.clear();
      if (flushEachLine) out.flush();
    }
  }
  out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
  out.flush();
  return counts;
}

}  // namespace sauramiti::cli
