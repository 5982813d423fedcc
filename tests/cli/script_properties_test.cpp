// `sauramiti script` knows every entry of the control's property table by name and prints each
// with the type word its entry declares; a `let` of each entry's value type reads back as set,
// or is refused with the error its guard gives.
#include <gtest/gtest.h>

#include <cli/script_runner.hpp>
#include <sauramiti/control/property_table.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace sauramiti::cli {
namespace {

std::string RunScriptText(const std::string& script, std::string* err = nullptr) {
  std::istringstream in(script);
  std::ostringstream out, errors;
  RunScript(in, out, errors, /*flushEachLine=*/false);
  if (err != nullptr) *err = errors.str();
  return out.str();
}

std::string TypeWord(PropertyType type) {
  switch (type) {
    case PropertyType::Boolean:
      return "Boolean";
    case PropertyType::Integer:
      return "Integer";
    case PropertyType::Long:
    case PropertyType::Enumeration:
      return "Long";
    case PropertyType::Double:
      return "Double";
    case PropertyType::String:
      return "String";
    case PropertyType::Font:
      return "Font";
    case PropertyType::Variant:
      return "Integer";  // MaxYear holds the Integer 2100 in a new instance
  }
  return "?";
}

// A `let` value of the entry's type, and how `get` prints it back.
std::pair<std::string, std::string> LetAndPrinted(PropertyType type) {
  switch (type) {
    case PropertyType::Boolean:
      return {"False", "Boolean False"};
    case PropertyType::Integer:
      return {"2010", "Integer 2010"};
    case PropertyType::Long:
      return {"1863913", "Long 1863913"};
    case PropertyType::Enumeration:
      return {"1", "Long 1"};
    case PropertyType::Double:
      return {"2452378.5", "Double 2452378.5"};
    case PropertyType::String:
      return {"\"2059/01/15/1\"", "String \"2059/01/15/1\""};
    case PropertyType::Font:
      return {"font \"Arial\" 12", "Font \"Arial\" 12"};
    case PropertyType::Variant:
      return {"\"2090\"", "String \"2090\""};
  }
  return {};
}

// The `let` samples of an entry: both values of a Boolean, so that one whose default is either
// is seen to change; one value of the entry's type otherwise.
std::vector<std::pair<std::string, std::string>> SamplesFor(const PropertyEntry& p) {
  const std::string name(p.name);
  if (name == "Calendar") return {{"1", "Integer 1"}};  // takes only 0 and 1: the published one
  if (name == "MinDate" || name == "MaxDate") {         // a date limit takes a day of the calendar
    return {{"\"2059/01/15\"", "String \"2059/01/15\""}};
  }
  if (p.type == PropertyType::Boolean)
    return {{"False", "Boolean False"}, {"True", "Boolean True"}};
  return {LetAndPrinted(p.type)};
}

TEST(ScriptProperties, EveryTableEntryIsReadWithItsTypeAndSetAsItsGuardAllows) {
  for (const bool runTime : {true, false}) {
    for (const PropertyEntry& p : kPropertyTable) {
      const std::string name(p.name);
      for (const auto& [let, printed] : SamplesFor(p)) {
        SCOPED_TRACE(name + " = " + let + (runTime ? " at run time" : " at design time"));
        std::string err;
        const std::string out = RunScriptText(
            std::string("clock 2002-04-14\nnew\nmode ") + (runTime ? "run" : "design") + "\nget " +
                name + "\nlet " + name + " " + let + "\nget " + name + "\n",
            &err);
        EXPECT_EQ(err, "");
        std::string want;
        if (runTime && p.guard == ModeGuard::DesignTimeOnly) {
          want = "error 393\nerror 382\nerror 393\n";
        } else {
          const std::size_t firstLine = out.find('\n');
          EXPECT_EQ(out.substr(0, out.find(' ')), TypeWord(p.type));
          const std::string before = out.substr(0, firstLine + 1);
          if (p.guard == ModeGuard::ReadOnly || (!runTime && p.guard == ModeGuard::RunTimeLet)) {
            want = before + "error " + (runTime ? "382" : "387") + "\n" + before;
          } else {
            want = before + printed + "\n";
          }
        }
        EXPECT_EQ(out, want);
      }
    }
  }
}

}  // namespace
}  // namespace sauramiti::cli
