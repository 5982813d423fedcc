#include <sauramiti/platform/headless/headless_child.hpp>

namespace sauramiti::headless {

const char* KindName(ChildKind kind) noexcept {
  switch (kind) {
    case ChildKind::Frame:
      return "frame";
    case ChildKind::Label:
      return "label";
    case ChildKind::ComboBox:
      return "combo box";
  }
  return "child control";
}

HeadlessChild::HeadlessChild(std::shared_ptr<ChildRegistry> registry, std::string_view name,
                             std::string_view parentName, ChildKind kind)
    : registry_(std::move(registry)), name_(name), parentName_(parentName), kind_(kind) {
  if (registry_) registry_->Add(*this);
}

HeadlessChild::~HeadlessChild() {
  if (registry_) registry_->Remove(*this);
}

}  // namespace sauramiti::headless
