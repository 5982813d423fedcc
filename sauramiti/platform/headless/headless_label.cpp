#include <sauramiti/platform/headless/headless_label.hpp>

namespace sauramiti::headless {

bool HeadlessLabel::Click() {
  if (!Enabled() || !onClick_) return false;
  onClick_();
  return true;
}

}  // namespace sauramiti::headless
