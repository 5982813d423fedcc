#include <cmath>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sauramiti/platform/headless/system_clock.hpp>

namespace sauramiti::headless {

namespace {

bool SameSize(float a, float b) noexcept { return a == b || (std::isnan(a) && std::isnan(b)); }

std::string NameOf(const platform::Frame* frame) {
  const auto* headless = dynamic_cast<const HeadlessChild*>(frame);
  return headless == nullptr ? std::string() : headless->Name();
}

}  // namespace

HeadlessHost::HeadlessHost() : registry_(std::make_shared<ChildRegistry>()) {}

void HeadlessHost::Width(float twips) {
  if (SameSize(width_, twips)) return;
  width_ = twips;
  FireResize();
}

void HeadlessHost::Height(float twips) {
  if (SameSize(height_, twips)) return;
  height_ = twips;
  FireResize();
}

void HeadlessHost::Resize(float width, float height) {
  const bool changed = !SameSize(width_, width) || !SameSize(height_, height);
  width_ = width;
  height_ = height;
  if (changed) FireResize();
}

void HeadlessHost::FireResize() {
  if (onResize_) onResize_();
}

void HeadlessHost::PropertyChanged(std::string_view name) {
  events_.push_back("PropertyChanged " + std::string(name));
}

void HeadlessHost::RaiseClick() { events_.emplace_back("Click"); }

std::vector<std::string> HeadlessHost::TakeEvents() {
  std::vector<std::string> taken;
  taken.swap(events_);
  return taken;
}

platform::LocalDate HeadlessHost::Today() { return fixedToday_ ? *fixedToday_ : SystemLocalDate(); }

std::unique_ptr<platform::Frame> HeadlessHost::CreateFrame(platform::Frame* parent,
                                                           std::string_view name) {
  return std::make_unique<HeadlessFrame>(registry_, name, NameOf(parent));
}

std::unique_ptr<platform::Label> HeadlessHost::CreateLabel(platform::Frame& parent,
                                                           std::string_view name) {
  return std::make_unique<HeadlessLabel>(registry_, name, NameOf(&parent));
}

std::unique_ptr<platform::ComboBox> HeadlessHost::CreateComboBox(platform::Frame& parent,
                                                                 std::string_view name) {
  return std::make_unique<HeadlessComboBox>(registry_, name, NameOf(&parent));
}

HeadlessChild* HeadlessHost::FindChild(std::string_view name) const noexcept {
  return registry_->Find(name);
}

HeadlessFrame* HeadlessHost::FindFrame(std::string_view name) const noexcept {
  return dynamic_cast<HeadlessFrame*>(FindChild(name));
}

HeadlessLabel* HeadlessHost::FindLabel(std::string_view name) const noexcept {
  return dynamic_cast<HeadlessLabel*>(FindChild(name));
}

HeadlessComboBox* HeadlessHost::FindComboBox(std::string_view name) const noexcept {
  return dynamic_cast<HeadlessComboBox*>(FindChild(name));
}

}  // namespace sauramiti::headless
