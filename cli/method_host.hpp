// A control instance kept only for its methods.
//
// The control's nine methods are pure: they read and change no field of an instance and answer
// the same in either mode. `sauramiti call`, and a script before its first `new`, call them on an
// instance that lives on its own in-memory host and is never initialised, so the command answers
// through exactly the code a host's control runs. An instance for the published calendar
// (`--calendar published`, the Calendar property 1) is started first, as a host's would be,
// since setting a property redraws the view.
#pragma once

#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>

namespace sauramiti::cli {

class MethodHost {
 public:
  explicit MethodHost(std::int16_t calendar = 0) : control_(host_) {
    if (calendar == 0) return;
    control_.InitProperties();
    control_.Calendar(calendar);
  }
  const Sauramiti& Control() const noexcept { return control_; }

 private:
  headless::HeadlessHost host_;  // declared first: it must outlive the control
  Sauramiti control_;
};

}  // namespace sauramiti::cli
