// The directory of live child controls, by name.
//
// The control owns its child controls; the headless host only lists them, so that a test or a
// script can find "lblDay(5)" or "cboYear" by the name it was created with. A child enters the
// directory when it is made and leaves it when it is destroyed. If two live children share a name
// (two control instances on one host for a moment, as when a script replaces its instance), the
// one made last is found; when it goes, the earlier one is found again.
#pragma once

#include <string_view>
#include <vector>

namespace sauramiti::headless {

class HeadlessChild;

class ChildRegistry {
 public:
  void Add(HeadlessChild& child);
  void Remove(const HeadlessChild& child) noexcept;

  // The live child made last under `name`, or null.
  [[nodiscard]] HeadlessChild* Find(std::string_view name) const noexcept;

  // Every live child, in the order they were made.
  [[nodiscard]] const std::vector<HeadlessChild*>& All() const noexcept { return children_; }

 private:
  std::vector<HeadlessChild*> children_;
};

}  // namespace sauramiti::headless
