#include <gtest/gtest.h>

#include <cli/pick_command.hpp>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string_view>

namespace sauramiti::cli {
namespace {

struct PrintCase {
  std::string_view name;
  Variant value;
  std::string_view printed;
};

TEST(PrintedTextTest, ValuesArePrintedPlainly) {
  auto font = std::make_shared<Font>();
  font->name = "MS Sans Serif";
  const std::initializer_list<PrintCase> cases = {
      {"text as it is", Variant::String("2059/01/01/1"), "2059/01/01/1"},
      {"text with quotes", Variant::String("a \"b\""), "a \"b\""},
      {"Julian day", Variant::Double(2452378.5), "2452378.5"},
      {"Long", Variant::Long(1863913), "1863913"},
      {"Boolean", Variant::Boolean(true), "True"},
      {"Boolean of other bits", Variant::Boolean(std::int16_t{5}), "5"},
      {"font by its name", Variant::Font(font), "MS Sans Serif"},
      {"no font", Variant::Font(nullptr), "Nothing"},
  };
  for (const PrintCase& c : cases) {
    EXPECT_EQ(PrintedText(c.value), c.printed) << c.name;
  }
}

TEST(RunPickTest, AnUnknownPropertyIsRefusedBeforeAnythingIsShown) {
  PickOptions options;
  options.print = "value";
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunPick(options, out, err), 2);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("\"value\""), std::string::npos) << err.str();
}

}  // namespace
}  // namespace sauramiti::cli
