// Shared pieces of the control's tests: a live instance on a fake host, and error capture.
#pragma once

#include <gtest/gtest.h>

#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <string>
#include <vector>

#include "fake_host.hpp"

namespace sauramiti::testing {

// The number of the run-time error `call` raises, 0 when it raises none.
template <typename F>
std::int32_t ErrorOf(F&& call) {
  try {
    call();
  } catch (const RuntimeError& e) {
    return e.Number();
  }
  return 0;
}

// A new instance placed on a 4800 x 4800 surface at run time, today being 14 April 2002
// (BS 2059/01/01, a Sunday), with the events of its creation already taken.
class LiveControl : public ::testing::Test {
 protected:
  LiveControl() : control(host) {
    host.SetToday({2002, 4, 14});
    control.Initialize();
    control.InitProperties();
    host.Resize(4800, 4800);
    host.TakeEvents();
  }

  std::vector<std::string> Events() { return host.TakeEvents(); }
  std::vector<std::string> Changed(const std::string& name) { return {"PropertyChanged " + name}; }
  // Drives the lists as a user would: open, choose.
  void ChooseYear(const std::string& year) {
    auto& list = host.Combo("cboYear");
    for (std::int32_t i = 0; i < list.ListCount(); ++i) {
      if (list.List(i) == year) {
        list.DropDown();
        list.Choose(i);
        return;
      }
    }
    ADD_FAILURE() << "year " << year << " not in the list";
  }
  void ChooseMonth(std::int32_t index) {
    host.Combo("CBoMonth").DropDown();
    host.Combo("CBoMonth").Choose(index);
  }
  // The cell showing day `day` of the month on show, -1 when none does.
  int CellOfDay(int day) {
    for (int j = 0; j < 35; ++j) {
      if (host.Day(j).Caption() == std::to_string(day)) return j;
    }
    return -1;
  }

  FakeHost host;
  Sauramiti control;
};

}  // namespace sauramiti::testing
