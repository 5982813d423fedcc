// Fuzzes the command's line readers through the command line itself, as a user reaches them:
// `call --batch` lines, one `call METHOD ARG...` made of the input's words, and the `to-ad` and
// `to-bs` readers of one date a line. Whatever the bytes, a run ends with an exit status the
// command documents and, in batch mode, with one answer line per call line.
#include <cstddef>
#include <cstdint>
#include <fuzz/fuzz_support.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.hpp"

namespace {

std::size_t CountLines(std::string_view text) {
  std::size_t lines = 0;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t end = text.find('\n', begin);
    ++lines;
    if (end == std::string_view::npos) break;
    begin = end + 1;
  }
  return lines;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\n') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size == 0) return 0;
  const int mode = bytes[0] % 4;
  const std::string_view input(reinterpret_cast<const char*>(bytes) + 1, size - 1);
  std::vector<std::string> args = {"sauramiti"};
  std::string stdinText;
  switch (mode) {
    case 0:
      args.insert(args.end(), {"call", "--batch"});
      stdinText = input;
      break;
    case 1: {
      args.push_back("call");
      // A leading "-" word would be an option; CLI11 reads those on its own.
      for (std::string& word : Words(input)) args.push_back(std::move(word));
      if (args.size() > 64) args.resize(64);
      break;
    }
    case 2:
      args.push_back("to-ad");
      stdinText = input;
      break;
    default:
      args.push_back("to-bs");
      stdinText = input;
      break;
  }
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::istringstream in(stdinText);
  std::ostringstream out, err;
  const sauramiti::cli::Streams io{in, out, err, false, false};
  const int status = sauramiti::cli::RunCommandLine(static_cast<int>(argv.size()), argv.data(), io);
  sauramiti::fuzz::Require(status == 0 || status == 1 || status == 2, "an undocumented status");
  if (mode == 0) {
    sauramiti::fuzz::Require(status == 0, "batch mode always exits 0");
    // Blank lines and a last line without its line feed still count as calls.
    std::size_t calls = 0;
    std::istringstream lines(stdinText);
    for (std::string line; std::getline(lines, line);) ++calls;
    sauramiti::fuzz::Require(CountLines(out.str()) == calls, "one answer line per call line");
  }
  return 0;
}
