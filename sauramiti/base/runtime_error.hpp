// Run-time errors of the control.
//
// Every failure the control reports is a numbered run-time error, the way its hosts have always
// seen them: the number is the contract, the text is the standard description of that number.
// A run-time error ends the public call in progress; nothing inside the library catches it, and
// whatever was stored before the failing step stays stored.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace sauramiti {

// The numbers the control raises or that its tools report.
enum ErrorNumber : std::int32_t {
  kInvalidProcedureCall = 5,  // an argument outside what the procedure accepts
  kOverflow = 6,              // an integer result, or a rounding into an integer, out of range
  kSubscriptOutOfRange = 9,   // an index outside a table
  kDivisionByZero = 11,
  kTypeMismatch = 13,           // a value that cannot be read as the type wanted
  kObjectNotSet = 91,           // an object was needed where none is held (a view without its font)
  kInvalidPropertyValue = 380,  // a property given a value outside those it takes
  kSetNotSupportedAtRunTime = 382,
  kSetNotPermitted = 387,  // refused at design time
  kGetNotSupportedAtRunTime = 393,
  kNoSuchMethod = 438,
  kWrongArgumentCount = 450,
};

// The standard description of an error number ("Overflow" for 6); a generic text for others.
std::string_view ErrorDescription(std::int32_t number) noexcept;

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(std::int32_t number);
  [[nodiscard]] std::int32_t Number() const noexcept { return number_; }

 private:
  std::int32_t number_;
};

// Raises run-time error `number`.
[[noreturn]] void Raise(std::int32_t number);

}  // namespace sauramiti
