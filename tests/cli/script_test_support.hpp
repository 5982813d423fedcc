// Running a script text through the script runner, and a scratch directory for documents.
#pragma once

#include <stdlib.h>

#include <cli/script_runner.hpp>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace sauramiti::cli::testing {

struct ScriptRun {
  int status = 0;
  std::string out;
  std::string err;

  // The line numbers the error stream complains about ("script: line L: ..."), in order.
  std::vector<int> ComplaintLines() const {
    std::vector<int> lines;
    std::istringstream text(err);
    std::string line;
    while (std::getline(text, line)) {
      constexpr std::string_view kPrefix = "script: line ";
      if (line.rfind(kPrefix, 0) != 0 || line.find(": note: ") != std::string::npos) continue;
      lines.push_back(std::stoi(line.substr(kPrefix.size())));
    }
    return lines;
  }
};

inline ScriptRun RunScriptText(std::string_view script) {
  std::istringstream in{std::string(script)};
  std::ostringstream out;
  std::ostringstream err;
  ScriptRun run;
  run.status = RunScript(in, out, err, /*flushEachLine=*/false);
  run.out = out.str();
  run.err = err.str();
  return run;
}

class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "sauramiti-cli-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  std::string File(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace sauramiti::cli::testing
