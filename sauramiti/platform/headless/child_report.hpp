// Reading one property of a child control as the tools print it.
//
// `inspect CONTROL PROP` names a child by the name it was created with ("Frame1", "Label2",
// "cboYear", "CBoMonth", "lblWD(3)", "lblDay(17)") and a property by its lower-case name:
//   every child:    enabled visible left top width height backcolor tooltip
//   labels:         caption forecolor fontname fontsize fontbold s1 s2 s3 corner outline
//   combo boxes:    text fontname fontsize fontbold listcount listindex item(i)
// Values print as in value_format.hpp without a type word: `"2059"`, `True`, `685.5714`,
// `0x8000000F`, `-1`. `item(i)` takes a decimal index and prints `""` outside the list, as the
// list itself answers.
//
// An unknown child, an unknown property, a property the child's kind does not have (the `text`
// of a label) and a malformed `item(...)` are mistakes in the request, not run-time errors of the
// control: they raise InspectError with a message that says what was wrong.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace sauramiti::headless {

class HeadlessHost;

class InspectError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string Inspect(const HeadlessHost& host, std::string_view controlName,
                    std::string_view property);

}  // namespace sauramiti::headless
