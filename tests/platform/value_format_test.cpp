#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <sauramiti/base/json_string.hpp>
#include <sauramiti/platform/headless/child_report.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sauramiti/platform/headless/value_format.hpp>
#include <string>

namespace sauramiti::headless {
namespace {

TEST(QuoteJsonStringTest, EscapesOnlyWhatJsonMust) {
  const struct {
    const char* name;
    std::string text, quoted;
  } cases[] = {
      {"quote and backslash", R"(a"b\c)", R"("a\"b\\c")"},
      {"named escapes", "\b\f\n\r\t", R"("\b\f\n\r\t")"},
      {"NUL and other controls", std::string("\0\x1F", 2), R"("\u0000\u001f")"},
      {"DEL and slash are not escaped", "\x7F/", "\"\x7F/\""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteJsonString(c.text), c.quoted) << c.name;
}

TEST(FormatVariantForGetTest, PrintsTypeAndShortestValueOfItsOwnPrecision) {
  const struct {
    const char* name;
    Variant value;
    std::string printed;
  } cases[] = {
      {"Boolean 1 is not True", Variant::Boolean(std::int16_t{1}), "Boolean 1"},
      {"negative Integer", Variant::Integer(-32768), "Integer -32768"},
      {"Single as a single", Variant::Single(685.5714F), "Single 685.5714"},
      {"Single NaN", Variant::Single(std::numeric_limits<float>::quiet_NaN()), "Single nan"},
      {"Double of a single's value", Variant::Double(15.18F), "Double 15.180000305175781"},
      {"Double minus infinity", Variant::Double(-std::numeric_limits<double>::infinity()),
       "Double -inf"},
      {"String escaped", Variant::String("say \"hi\"\n"), R"(String "say \"hi\"\n")"},
      {"Font", Variant::Font(std::make_shared<Font>(Font{"A\"B", 12.0F})), R"(Font "A\"B" 12)"},
      {"no font object", Variant::Font(nullptr), "Font Nothing"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatVariantForGet(c.value), c.printed) << c.name;
  EXPECT_EQ(FormatColor(0x00ABCDEFU), "0x00ABCDEF");
}

TEST(InspectTest, PrintsDefaultsAndWhatTheControlSetAndNamesBadRequests) {
  HeadlessHost host;
  auto frame = host.CreateFrame(nullptr, "Frame2");
  auto header = host.CreateLabel(*frame, "lblWD(0)");
  auto months = host.CreateComboBox(*frame, "CBoMonth");
  EXPECT_EQ(Inspect(host, "lblWD(0)", "backcolor"), "0x8000000F");
  EXPECT_EQ(Inspect(host, "lblWD(0)", "fontname"), R"("MS Sans Serif")");
  header->Caption("Sun \"1\"");
  header->Width(685.5714F);
  months->AddItem("Baishakh");
  months->FontSize(11.25F);
  // clang-format off
  const struct { const char* control; const char* property; const char* printed; } cases[] = {
      {"lblWD(0)", "caption", R"("Sun \"1\"")"},
      {"lblWD(0)", "width", "685.5714"},
      {"CBoMonth", "item(0)", R"("Baishakh")"},
      {"CBoMonth", "item(1)", R"("")"},
      {"CBoMonth", "height", "360"},
  };
  // clang-format on
  for (const auto& c : cases) {
    EXPECT_EQ(Inspect(host, c.control, c.property), c.printed) << c.control << " " << c.property;
  }
  // clang-format off
  const struct { const char* control; const char* property; const char* message; } bad[] = {
      {"lblDay(99)", "caption", "no child control named \"lblDay(99)\""},
      {"lblWD(0)", "colour", "unknown property \"colour\""},
      {"lblWD(0)", "text", "lblWD(0) is a label"},
      {"CBoMonth", "item(99999999999)", "bad item index"},
  };
  // clang-format on
  for (const auto& c : bad) {
    try {
      Inspect(host, c.control, c.property);
      ADD_FAILURE() << c.property << ": no error";
    } catch (const InspectError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace sauramiti::headless
