// A headless frame: a place, a size, a colour and a tool tip, kept in memory.
#pragma once

#include <sauramiti/platform/headless/headless_child.hpp>

namespace sauramiti::headless {

class HeadlessFrame final : public HeadlessChildControl<platform::Frame> {
 public:
  HeadlessFrame(std::shared_ptr<ChildRegistry> registry, std::string_view name,
                std::string_view parentName)
      : HeadlessChildControl(std::move(registry), name, parentName, ChildKind::Frame) {}
};

}  // namespace sauramiti::headless
