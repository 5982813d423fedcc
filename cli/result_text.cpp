#include <array>
#include <charconv>
#include <cli/result_text.hpp>
#include <cmath>
#include <cstdint>
#include <sauramiti/base/number_text.hpp>
#include <type_traits>
#include <variant>

namespace sauramiti::cli {

namespace {

// Below this magnitude every whole double is an exact integer of at most 15 digits.
constexpr double kPlainIntegerLimit = 1e15;

}  // namespace

void AppendDouble(std::string& out, double value) {
  if (std::isnan(value)) {
    out.append("nan");
  } else if (std::isinf(value)) {
    out.append(value < 0 ? "-inf" : "inf");
  } else if (value == std::trunc(value) && std::fabs(value) < kPlainIntegerLimit) {
    out.append(std::to_string(static_cast<std::int64_t>(value)));  // -0.0 becomes 0 here
  } else {
    out.append(ShortestText(value));
  }
}

void AppendResult(std::string& out, const MethodResult& result) {
  std::visit(
      [&out](const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>) {
          out.append(value);
        } else if constexpr (std::is_same_v<T, double>) {
          AppendDouble(out, value);
        } else {
          out.append(std::to_string(value));  // an integer result in decimal
        }
      },
      result);
}

}  // namespace sauramiti::cli
