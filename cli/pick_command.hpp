// `sauramiti pick`: the interactive picker on the terminal, and what it prints.
//
// The picker (terminal/picker.hpp) runs on a control instance whose clock says today. When the
// user picks a day with Enter, the picker leaves the terminal as it found it and prints one line
// on standard output: the control's Value, or the property that --print names, as plain text
// (a text as it is, a number in decimal, a Boolean as True or False, a font as its name); the
// status is 0. In Nepali the two texts written out with names, DateValue and EngStrDate, are
// legacy-font ASCII in the control; they are printed in Devanagari unless `legacy` is set (the
// Value and the Gregorian DateAD hold only digits and separators, and stay as they are). Esc or
// q cancels: nothing is printed and the status is 1; Ctrl-C gives 130, as an interrupted
// program's status is by convention. Without a terminal, or in a build without ncurses, the
// status is 2 with a message on the error stream.
#pragma once

#include <ostream>
#include <sauramiti/base/variant.hpp>
#include <string>
#include <string_view>
#include <terminal/picker.hpp>

namespace sauramiti::cli {

struct PickOptions {
  std::string print = "Value";  // a property name (property_table.hpp)
  terminal::PickerSetup setup;
  bool legacy = false;
};

// The text --print gives for a property's value.
std::string PrintedText(const Variant& value);

// The same for the property `name`, in Devanagari where it is a Nepali text with names and
// `devanagari` is set.
std::string PrintedText(std::string_view name, const Variant& value, bool devanagari);

// The exit status as described above. `options.print` must name a property.
int RunPick(const PickOptions& options, std::ostream& out, std::ostream& err);

}  // namespace sauramiti::cli
