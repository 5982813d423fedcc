// What one Sauramiti instance is made of, shared by the files that implement the class.
//
// The instance record, the child controls and the view context that ties them to the host are
// built together and never move, because the view context and the children's event handlers
// refer to them.
#pragma once

#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/platform/host.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <sauramiti/view/control_state.hpp>
#include <sauramiti/view/month_view.hpp>

namespace sauramiti {

struct Sauramiti::State {
  explicit State(platform::Host& host);
  State(const State&) = delete;
  State& operator=(const State&) = delete;

  view::ChildControls controls;
  view::ControlState record;
  view::ViewContext view;
};

namespace guard {

// The Let of a property the host may only read: error 387 at design time, 382 at run time.
[[noreturn]] void RefuseReadOnlyLet(const platform::Host& host);

// A Let allowed at run time only: error 387 at design time.
void RequireRunTime(const platform::Host& host);

}  // namespace guard

}  // namespace sauramiti
