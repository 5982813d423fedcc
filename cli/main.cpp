// The `sauramiti` command; everything but reading the process's own streams lives in the
// sauramiti_cli_lib library (command_line.hpp).
#include <unistd.h>

#include <cli/command_line.hpp>
#include <iostream>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  const sauramiti::cli::Streams io{std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) == 1,
                                   isatty(STDOUT_FILENO) == 1};
  return sauramiti::cli::RunCommandLine(argc, argv, io);
}
