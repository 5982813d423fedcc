#include <algorithm>
#include <sauramiti/platform/headless/child_registry.hpp>
#include <sauramiti/platform/headless/headless_child.hpp>

namespace sauramiti::headless {

void ChildRegistry::Add(HeadlessChild& child) { children_.push_back(&child); }

void ChildRegistry::Remove(const HeadlessChild& child) noexcept {
  const auto found = std::find(children_.begin(), children_.end(), &child);
  if (found != children_.end()) children_.erase(found);
}

HeadlessChild* ChildRegistry::Find(std::string_view name) const noexcept {
  const auto found = std::find_if(children_.rbegin(), children_.rend(),
                                  [name](const HeadlessChild* c) { return c->Name() == name; });
  return found == children_.rend() ? nullptr : *found;
}

}  // namespace sauramiti::headless
