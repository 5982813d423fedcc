#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/platform/headless/headless_combo_box.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <string>
#include <vector>

namespace sauramiti::headless {
namespace {

using Act = std::function<void(HeadlessComboBox&)>;

TEST(HeadlessComboBoxTest, TextAndIndexFollowOneRule) {
  // clang-format off
  const struct { const char* name; Act act; std::string text; std::int32_t index; } cases[] = {
      {"a repeated text chooses its first item", [](auto& b) { b.Text("2059"); }, "2059", 1},
      {"a text that is no item chooses nothing", [](auto& b) { b.Text("1999"); }, "1999", -1},
      {"an item's text with a blank", [](auto& b) { b.Text("2060 "); }, "2060 ", -1},
      {"the empty text unchooses", [](auto& b) { b.Text("2060"); b.Text(""); }, "", -1},
      {"adding keeps the choice", [](auto& b) { b.Text("2058"); b.AddItem("2058"); }, "2058", 0},
      {"clear empties text and index", [](auto& b) { b.Text("2059"); b.Clear(); }, "", -1},
      {"choosing the later equal item keeps it", [](auto& b) { b.Choose(3); }, "2059", 3},
  };
  // clang-format on
  for (const auto& c : cases) {
    HeadlessComboBox box(nullptr, "cboYear", "Frame1");
    for (const char* item : {"2058", "2059", "2060", "2059"}) box.AddItem(item);
    c.act(box);
    EXPECT_EQ(box.Text(), c.text) << c.name;
    EXPECT_EQ(box.ListIndex(), c.index) << c.name;
  }
}

TEST(HeadlessComboBoxTest, ChooseShowsTheEntryBeforeClickRefusesIndexesOutsideAndFontSetsHeight) {
  HeadlessComboBox box(nullptr, "cboYear", "Frame1");
  box.AddItem("2058");
  box.AddItem("2059");
  std::vector<std::string> seen;
  box.OnClick([&] { seen.push_back(box.Text() + "@" + std::to_string(box.ListIndex())); });
  box.Choose(1);
  box.Text("typed");
  for (const std::int32_t index : {-1, 2, INT32_MAX}) {
    try {
      box.Choose(index);
      ADD_FAILURE() << "no error for index " << index;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), kInvalidProcedureCall) << index;
    }
  }
  EXPECT_EQ(seen, std::vector<std::string>{"2059@1"});
  EXPECT_EQ(box.Text(), "typed");
  box.FontSize(15.18F);
  box.Height(1000.0F);  // the height follows the font, 32 twips a point, whatever is asked
  EXPECT_FLOAT_EQ(box.Height(), 485.76F);
}

TEST(HeadlessComboBoxTest, TypingAddsOnlyWhatKeyPressLeavesAsUtf8) {
  using Handler = std::function<void(std::int16_t&)>;
  // clang-format off
  const struct { const char* name; std::int16_t typed; Handler handler; std::string text; std::int16_t left; } cases[] = {
      {"no handler keeps the key", '7', nullptr, "2057", '7'},
      {"a handler that discards", '7', [](std::int16_t& k) { k = 0; }, "205", 0},
      {"a handler that replaces", 'x', [](std::int16_t& k) { k = '8'; }, "2058", '8'},
      {"a three-byte character", 0x0928, nullptr, "205\xE0\xA4\xA8", 0x0928},
      {"a lone surrogate", static_cast<std::int16_t>(0xD800), nullptr, "205\xEF\xBF\xBD", static_cast<std::int16_t>(0xD800)},
      {"a negative code is a 16-bit unit", -1, nullptr, "205\xEF\xBF\xBF", -1},
  };
  // clang-format on
  for (const auto& c : cases) {
    HeadlessComboBox box(nullptr, "cboYear", "Frame1");
    box.Text("205");
    if (c.handler) box.OnKeyPress(c.handler);
    EXPECT_EQ(box.Type(c.typed), c.left) << c.name;
    EXPECT_EQ(box.Text(), c.text) << c.name;
  }
}

TEST(HeadlessHostTest, ResizeFiresOncePerActualChangeAfterBothSidesAreSet) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  // clang-format off
  const struct { const char* name; std::function<void(HeadlessHost&)> act; int resizes; } cases[] = {
      {"the control sets both sides: two", [](auto& h) { h.Height(3000.0F); h.Width(3000.0F); }, 2},
      {"the control sets the same size: none", [](auto& h) { h.Width(5535.0F); h.Height(5220.0F); }, 0},
      {"the host resizes both sides: one", [](auto& h) { h.Resize(4800.0F, 4800.0F); }, 1},
      {"the host keeps the size: none", [](auto& h) { h.Resize(5535.0F, 5220.0F); }, 0},
      {"negative zero is zero", [](auto& h) { h.Width(0.0F); h.Width(-0.0F); }, 1},
      {"NaN again is no change", [&](auto& h) { h.Width(kNaN); h.Resize(kNaN, 5220.0F); }, 1},
  };
  // clang-format on
  for (const auto& c : cases) {
    HeadlessHost host;
    int resizes = 0;
    host.OnResize([&] { ++resizes; });
    c.act(host);
    EXPECT_EQ(resizes, c.resizes) << c.name;
  }
  HeadlessHost host;
  std::vector<std::pair<float, float>> seen;
  host.OnResize([&] { seen.emplace_back(host.Width(), host.Height()); });
  host.Resize(4800.0F, 3600.0F);
  EXPECT_EQ(seen, (std::vector<std::pair<float, float>>{{4800.0F, 3600.0F}}));
}

TEST(HeadlessHostTest, AmbientFontIsANewObjectEveryTime) {
  HeadlessHost host;
  const FontRef first = host.AmbientFont();
  EXPECT_EQ(*first, (Font{"Tahoma", 8.25F}));
  first->name = "Changed by the control";
  EXPECT_EQ(host.AmbientFont()->name, "Tahoma");
}

TEST(HeadlessHostTest, ChildrenAreFoundByExactNameAndKindTheNewestFirst) {
  HeadlessHost host;
  auto frame = host.CreateFrame(nullptr, "Frame1");
  auto older = host.CreateLabel(*frame, "lblDay(34)");
  auto newer = host.CreateLabel(*frame, "lblDay(34)");
  auto year = host.CreateComboBox(*frame, "cboYear");
  EXPECT_EQ(host.FindLabel("lblDay(34)"), newer.get());
  EXPECT_EQ(host.FindChild("lblDay(34)")->ParentName(), "Frame1");
  EXPECT_EQ(host.FindLabel("cboYear"), nullptr) << "a combo box is not a label";
  EXPECT_EQ(host.FindChild("lblday(34)"), nullptr) << "names are exact";
  newer.reset();
  EXPECT_EQ(host.FindLabel("lblDay(34)"), older.get()) << "the earlier one is found again";
  older.reset();
  EXPECT_EQ(host.FindChild("lblDay(34)"), nullptr);
  EXPECT_EQ(host.Children().size(), 2U);
}

TEST(HeadlessHostTest, ChildrenMayOutliveTheirHostAndOnlyEnabledLabelsReportClicks) {
  std::unique_ptr<platform::Label> label;
  int clicks = 0;
  {
    HeadlessHost host;
    auto frame = host.CreateFrame(nullptr, "Frame2");
    label = host.CreateLabel(*frame, "lblDay(0)");
    HeadlessLabel& day = *host.FindLabel("lblDay(0)");
    EXPECT_FALSE(day.Click()) << "no handler: nothing delivered";
    label->OnClick([&] { ++clicks; });
    EXPECT_TRUE(day.Click());
    label->Enabled(false);
    EXPECT_FALSE(day.Click());
  }
  label->Caption("still usable");
  EXPECT_EQ(label->Caption(), "still usable");
  EXPECT_EQ(clicks, 1);
  label.reset();  // leaves a registry nobody else holds; must not touch freed memory
}

}  // namespace
}  // namespace sauramiti::headless
