// The `sauramiti` command; everything but reading the process's own streams lives in the
// sauramiti_cli_lib library (command_line.hpp, standard_streams.hpp).
#include <unistd.h>

#include <cli/command_line.hpp>
#include <cli/standard_streams.hpp>
#include <iostream>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  return sauramiti::cli::RunWithStandardStreams([&](std::ostream& out, std::ostream& err) {
    const sauramiti::cli::Streams io{std::cin, out, err, isatty(STDIN_FILENO) == 1,
                                     isatty(STDOUT_FILENO) == 1};
    return sauramiti::cli::RunCommandLine(argc, argv, io);
  });
}
