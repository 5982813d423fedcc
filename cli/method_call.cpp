#include <cli/call_arguments.hpp>
#include <cli/method_call.hpp>
#include <cli/result_text.hpp>
#include <sauramiti/base/runtime_error.hpp>

namespace sauramiti::cli {

namespace {

bool IsOmitted(std::span<const std::string_view> arguments, std::size_t i) {
  return i >= arguments.size() || arguments[i] == kOmittedArgument;
}

}  // namespace

MethodResult InvokeByName(const MethodTable& table, std::string_view name,
                          std::span<const std::string_view> arguments) {
  const Method* method = table.Find(name);
  if (method == nullptr) Raise(kNoSuchMethod);
  const std::span<const ParameterSpec> parameters = method->signature->parameters;

  if (arguments.size() > parameters.size()) Raise(kWrongArgumentCount);
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    if (!parameters[i].optional && IsOmitted(arguments, i)) Raise(kWrongArgumentCount);
  }

  ArgumentList values{};
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    values[i] = IsOmitted(arguments, i) ? parameters[i].defaultValue
                                        : ParseArgument(arguments[i], parameters[i].kind);
  }
  return method->invoke(values);
}

bool AppendCallLine(const MethodTable& table, std::string_view name,
                    std::span<const std::string_view> arguments, std::string& out) {
  try {
    AppendResult(out, InvokeByName(table, name, arguments));
    return true;
  } catch (const RuntimeError& error) {
    out.append("error ");
    out.append(std::to_string(error.Number()));
    return false;
  }
}

}  // namespace sauramiti::cli
