#include <cli/method_table.hpp>
#include <utility>

namespace sauramiti::cli {

namespace {

char LowerAscii(char c) noexcept {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

std::size_t MethodSignature::RequiredCount() const noexcept {
  std::size_t count = 0;
  while (count < parameters.size() && !parameters[count].optional) ++count;
  return count;
}

MethodTable::MethodTable(std::vector<Method> methods) : methods_(std::move(methods)) {}

const Method* MethodTable::Find(std::string_view name) const noexcept {
  for (const Method& method : methods_) {
    if (EqualIgnoringCase(method.signature->name, name)) return &method;
  }
  return nullptr;
}

}  // namespace sauramiti::cli
