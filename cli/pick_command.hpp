// `sauramiti pick`: the interactive picker on the terminal, and what it prints.
//
// The picker (terminal/picker.hpp) runs on a control instance whose clock says today. When the
// user picks a day with Enter, the picker leaves the terminal as it found it and prints one line
// on standard output: the control's Value, or the property that --print names, as plain text
// (a text as it is, a number in decimal, a Boolean as True or False, a font as its name); the
// status is 0. Esc or q cancels: nothing is printed and the status is 1. Without a terminal, or
// in a build without ncurses, the status is 2 with a message on the error stream.
#pragma once

#include <ostream>
#include <sauramiti/base/variant.hpp>
#include <string>
#include <terminal/picker.hpp>

namespace sauramiti::cli {

struct PickOptions {
  std::string print = "Value";  // a property name (property_table.hpp)
  terminal::PickerSetup setup;
};

// The text --print gives for a property's value.
std::string PrintedText(const Variant& value);

// The exit status as described above. `options.print` must name a property.
int RunPick(const PickOptions& options, std::ostream& out, std::ostream& err);

}  // namespace sauramiti::cli
