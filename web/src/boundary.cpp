#include <emscripten/emscripten.h>

#include <sauramiti/base/runtime_error.hpp>
#include <utility>
#include <web/src/boundary.hpp>

namespace sauramiti::web {

ResultSlot& Result() {
  static ResultSlot slot;
  return slot;
}

Status ReturnInteger(std::int32_t value) {
  Result().number = value;
  return kInteger;
}

Status ReturnDouble(double value) {
  Result().number = value;
  return kDouble;
}

Status ReturnText(std::string text) {
  Result().text = std::move(text);
  return kText;
}

Status FailWith(std::int32_t errorNumber) {
  Result().number = errorNumber;
  Result().text = std::string(ErrorDescription(errorNumber));
  return kError;
}

Status FailWithMessage(std::string message) {
  Result().text = std::move(message);
  return kFailure;
}

Status FailWithUnknownException() noexcept {
  Result().text = "an unknown exception";
  return kFailure;
}

}  // namespace sauramiti::web

using sauramiti::web::Result;

extern "C" {

// Where JavaScript reads a result: the number, and the text's bytes and length.
EMSCRIPTEN_KEEPALIVE double sm_result_number() { return Result().number; }
EMSCRIPTEN_KEEPALIVE const char* sm_result_text() { return Result().text.data(); }
EMSCRIPTEN_KEEPALIVE std::int32_t sm_result_text_length() {
  return static_cast<std::int32_t>(Result().text.size());
}
}
