#include <array>
#include <charconv>
#include <sauramiti/base/number_text.hpp>

namespace sauramiti {

namespace {

// 32 characters hold the longest shortest form of a double ("-2.2250738585072014e-308").
template <typename T>
std::string Shortest(T value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string ShortestText(float value) { return Shortest(value); }
std::string ShortestText(double value) { return Shortest(value); }

}  // namespace sauramiti
