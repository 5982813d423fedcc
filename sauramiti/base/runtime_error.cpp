#include <sauramiti/base/runtime_error.hpp>
#include <string>

namespace sauramiti {

std::string_view ErrorDescription(std::int32_t number) noexcept {
  switch (number) {
    case kInvalidProcedureCall:
      return "Invalid procedure call or argument";
    case kOverflow:
      return "Overflow";
    case kSubscriptOutOfRange:
      return "Subscript out of range";
    case kDivisionByZero:
      return "Division by zero";
    case kTypeMismatch:
      return "Type mismatch";
    case kObjectNotSet:
      return "Object variable or With block variable not set";
    case kInvalidPropertyValue:
      return "Invalid property value";
    case kSetNotSupportedAtRunTime:
      return "Set not supported at run time";
    case kSetNotPermitted:
      return "Set not permitted";
    case kGetNotSupportedAtRunTime:
      return "Get not supported at run time";
    case kNoSuchMethod:
      return "Object doesn't support this property or method";
    case kWrongArgumentCount:
      return "Wrong number of arguments or invalid property assignment";
    default:
      return "Application-defined or object-defined error";
  }
}

RuntimeError::RuntimeError(std::int32_t number)
    : std::runtime_error("run-time error " + std::to_string(number) + ": " +
                         std::string(ErrorDescription(number))),
      number_(number) {}

void Raise(std::int32_t number) { throw RuntimeError(number); }

}  // namespace sauramiti
