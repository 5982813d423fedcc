// What crosses between JavaScript and the WebAssembly module, and how failures cross it.
//
// The binding is a small C interface rather than embind (the reasons, with the measurements,
// are at the top of build-web.sh). Arguments go into fixed slots in the module's memory, which
// JavaScript fills through typed-array views; a result comes back as a status code with its
// value in a result slot: a number, or a UTF-8 text whose address and length JavaScript reads.
//
// No C++ exception ever leaves the module. Every exported function runs its work through
// Guarded(), which catches the control's RuntimeError (and any other exception) at the edge and
// turns it into the status kError with the error number in the result slot; JavaScript then
// throws its SauramitiError. An exception that crossed into JavaScript would leak the memory of
// its unwinding every time and, after enough of them, stop the module.
#pragma once

#include <cstdint>
#include <string>

namespace sauramiti::web {

// The status an exported function returns.
enum Status : std::int32_t {
  kInteger = 0,  // the result slot's number is a 16- or 32-bit integer
  kDouble = 1,   // the result slot's number is a double
  kText = 2,     // the result text holds UTF-8 text
  kError = 3,    // the result slot's number is a run-time error number; the text describes it
  kNothing = 4,  // done, no value
  kFailure = 5,  // not a run-time error (a document that does not load); the text says why
};

struct ResultSlot {
  double number = 0;
  std::string text;
};

ResultSlot& Result();

Status ReturnInteger(std::int32_t value);
Status ReturnDouble(double value);
Status ReturnText(std::string text);

// Runs `work` (which returns a Status) and turns an escaping exception into kError or kFailure.
template <typename Work>
Status Guarded(Work&& work) noexcept;

Status FailWith(std::int32_t errorNumber);
Status FailWithMessage(std::string message);
Status FailWithUnknownException() noexcept;

}  // namespace sauramiti::web

#include <exception>
#include <sauramiti/base/runtime_error.hpp>

namespace sauramiti::web {

template <typename Work>
Status Guarded(Work&& work) noexcept {
  try {
    return work();
  } catch (const RuntimeError& error) {
    return FailWith(error.Number());
  } catch (const std::exception& error) {
    return FailWithMessage(error.what());
  } catch (...) {
    return FailWithUnknownException();
  }
}

}  // namespace sauramiti::web
