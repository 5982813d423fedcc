// Fuzzes the whole control through `sauramiti script`: arbitrary command lines drive a headless
// instance (properties of any value, clicks, list choices, typed keys, inspection, drawing).
// Whatever the lines say, a run ends with an exit status of 0 or 2 and never with a crash, a
// hang or undefined behaviour. Lines that would read or write files are dropped first, so the
// fuzzer cannot touch the disk.
#include <cstddef>
#include <cstdint>
#include <fuzz/fuzz_support.hpp>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/script_runner.hpp"

namespace {

bool TouchesFiles(std::string_view line) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return false;
  line.remove_prefix(start);
  return line.starts_with("load") || line.starts_with("save");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(bytes), size);
  // A fixed date first, so that runs repeat whatever day the fuzzer runs on.
  std::string script = "clock 2002-04-14\n";
  std::size_t begin = 0;
  while (begin <= input.size()) {
    std::size_t end = input.find('\n', begin);
    if (end == std::string_view::npos) end = input.size();
    const std::string_view line = input.substr(begin, end - begin);
    if (!TouchesFiles(line)) script.append(line).push_back('\n');
    begin = end + 1;
  }
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  const int status = sauramiti::cli::RunScript(in, out, err, false);
  sauramiti::fuzz::Require(status == 0 || status == 2, "a script status other than 0 or 2");
  return 0;
}
