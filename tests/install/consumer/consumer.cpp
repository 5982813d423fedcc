// A program of someone else's, built against the installed package: it reaches every library the
// package installs (a headless control whose settings go through the JSON document, the
// navigation layer, the calendar and conversions), so a library missing from the link line, a
// header missing from the include tree or a dependency the package does not name fails its build.
//
// It prints one line: the Gregorian date of BS 2059/01/01, the count of properties the control
// saved, and the month shown after one page turn.
#include <cstdio>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <sauramiti/navigation/navigator.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <string>

int main() {
  using namespace sauramiti;
  using namespace sauramiti::SauramitiRoutine;
  const std::string newYear = Nepali2EnglishDate(2059, 1, 1, 9, sepDash, datyyyymmdd);

  headless::HeadlessHost host;
  Sauramiti control(host);
  control.Initialize();
  control.InitProperties();
  document::JsonPropertyBag bag;
  control.WriteProperties(bag);
  const std::string saved = bag.ToJsonText();

  navigation::Navigator keys(control, host, host, navigation::FocusModel::Days);
  const bool turned = keys.Press(navigation::Key::PageDown) != navigation::Result::Refused;
  std::printf("%s %s %zu\n", newYear.c_str(), turned ? "turned" : "refused", saved.size());
  return saved.empty() ? 1 : 0;
}
