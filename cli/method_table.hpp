// The control's public methods, callable by name with arguments given as text.
//
// The control offers nine methods, pure conversions that read and change nothing of an
// instance. Each has a fixed list of parameters of three kinds: 16-bit integers, enumerations
// (any 32-bit integer; the control never checks membership) and doubles. Optional parameters
// come last; an omitted one takes its default (9, "no weekday given", for a weekday; 0 for an
// enumeration).
//
// A MethodTable pairs each method's signature with a callable that runs it on some object: the
// calendar's free procedures for the `sauramiti call` command, or a live control instance for a
// script. Build one with MakeMethodTable (method_binding.hpp). Lookup by name ignores letter case,
// as the control's hosts do when they resolve a member by name at run time ("getweekday" finds
// GetWeekDay).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sauramiti::cli {

enum class ParameterKind { Integer, Enumeration, Double };

// A parsed argument: int16_t for an Integer parameter, int32_t for an Enumeration, double for
// a Double.
using ArgumentValue = std::variant<std::int16_t, std::int32_t, double>;

// What a method returns: a 16-bit integer, a double or a text.
using MethodResult = std::variant<std::int16_t, double, std::string>;

struct ParameterSpec {
  std::string_view name;
  ParameterKind kind;
  bool optional = false;
  ArgumentValue defaultValue{};  // the value an omitted optional parameter takes
};

struct MethodSignature {
  std::string_view name;
  std::span<const ParameterSpec> parameters;

  // How many leading parameters must be given; the rest are optional.
  std::size_t RequiredCount() const noexcept;
};

// The most parameters any method has (Nepali2EnglishDate: year, month, day, weekday, separator,
// style).
inline constexpr std::size_t kMaxParameters = 6;

// Every parameter of a call, defaults filled in, in parameter order.
using ArgumentList = std::array<ArgumentValue, kMaxParameters>;

struct Method {
  const MethodSignature* signature;
  std::function<MethodResult(const ArgumentList&)> invoke;
};

class MethodTable {
 public:
  explicit MethodTable(std::vector<Method> methods);

  // The method of that name, letter case ignored; nullptr when there is none.
  const Method* Find(std::string_view name) const noexcept;

  std::span<const Method> Methods() const noexcept { return methods_; }

 private:
  std::vector<Method> methods_;
};

}  // namespace sauramiti::cli
