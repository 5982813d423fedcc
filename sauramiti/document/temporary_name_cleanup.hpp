// Removing a save's named temporary file when SIGINT or SIGTERM ends the process.
//
// A save writes into an unnamed temporary file where the file system allows it, so that a killed
// process leaves nothing behind; the file gets a name only for the instant between linking it
// into the folder and renaming it over the document. Where unnamed files are not available the
// temporary has a name from its creation on. While a name exists it is held by a
// RegisteredTemporaryName, and the first such registration installs handlers for SIGINT and
// SIGTERM that unlink every registered name and then let the signal have the effect it had
// before (the previous handler is called, or the default action ends the process). A signal the
// process ignored stays ignored. The handler uses only async-signal-safe calls (unlink,
// sigaction, raise) on fixed slots, never the heap. SIGKILL cannot be caught: a name may then
// survive, and only from the fallback path or that short instant.
#pragma once

#include <string>

namespace sauramiti::document {

class RegisteredTemporaryName {
 public:
  // Registers `path` (when every slot is taken, the name simply goes unguarded).
  explicit RegisteredTemporaryName(const std::string& path) noexcept;
  // Forgets the name; it does not remove the file.
  ~RegisteredTemporaryName();
  RegisteredTemporaryName(const RegisteredTemporaryName&) = delete;
  RegisteredTemporaryName& operator=(const RegisteredTemporaryName&) = delete;

 private:
  int slot_;
};

}  // namespace sauramiti::document
