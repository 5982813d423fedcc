#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/platform/headless/headless_combo_box.hpp>
#include <string>
#include <vector>

namespace sauramiti::headless {
namespace {

std::unique_ptr<HeadlessComboBox> MakeList(const std::vector<std::string>& items) {
  auto box = std::make_unique<HeadlessComboBox>(nullptr, "cboTest", "Frame1");
  for (const auto& item : items) box->AddItem(item);
  return box;
}

struct TextCase {
  const char* name;
  std::vector<std::string> items;
  std::function<void(HeadlessComboBox&)> act;
  std::string text;
  std::int32_t index;
};

TEST(HeadlessComboBoxTest, TextAndIndexFollowOneRule) {
  const std::vector<std::string> years = {"2058", "2059", "2060", "2059"};
  const std::vector<TextCase> cases = {
      {"an item's text chooses it", years, [](HeadlessComboBox& b) { b.Text("2060"); }, "2060", 2},
      {"a repeated text chooses its first item", years, [](HeadlessComboBox& b) { b.Text("2059"); },
       "2059", 1},
      {"a text that is no item chooses nothing", years, [](HeadlessComboBox& b) { b.Text("1999"); },
       "1999", -1},
      {"an item's text with a blank is another text", years,
       [](HeadlessComboBox& b) { b.Text("2060 "); }, "2060 ", -1},
      {"the empty text unchooses", years,
       [](HeadlessComboBox& b) {
         b.Text("2060");
         b.Text("");
       },
       "", -1},
      {"adding items keeps text and index",
       {"2058"},
       [](HeadlessComboBox& b) {
         b.Text("2058");
         b.AddItem("2059");
         b.AddItem("2058");
       },
       "2058",
       0},
      {"an item added after the text does not choose itself",
       {},
       [](HeadlessComboBox& b) {
         b.Text("2058");
         b.AddItem("2058");
       },
       "2058",
       -1},
      {"clear empties text and index", years,
       [](HeadlessComboBox& b) {
         b.Text("2059");
         b.Clear();
       },
       "", -1},
      {"choosing the later of two equal items keeps that one", years,
       [](HeadlessComboBox& b) { b.Choose(3); }, "2059", 3},
  };
  for (const TextCase& c : cases) {
    const auto owned = MakeList(c.items);
    HeadlessComboBox& box = *owned;
    c.act(box);
    EXPECT_EQ(box.Text(), c.text) << c.name;
    EXPECT_EQ(box.ListIndex(), c.index) << c.name;
  }
}

TEST(HeadlessComboBoxTest, ChooseShowsTheEntryBeforeClickRuns) {
  const auto owned = MakeList({"2058", "2059"});
  HeadlessComboBox& box = *owned;
  std::vector<std::string> seen;
  box.OnClick([&] { seen.push_back(box.Text() + "@" + std::to_string(box.ListIndex())); });
  box.Choose(1);
  box.Choose(0);
  EXPECT_EQ(seen, (std::vector<std::string>{"2059@1", "2058@0"}));
}

TEST(HeadlessComboBoxTest, ChoosingOutsideTheListIsErrorFiveAndChangesNothing) {
  const auto owned = MakeList({"2058", "2059"});
  HeadlessComboBox& box = *owned;
  box.Text("typed");
  int clicks = 0;
  box.OnClick([&] { ++clicks; });
  for (const std::int32_t index : {-1, 2, INT32_MAX}) {
    try {
      box.Choose(index);
      ADD_FAILURE() << "no error for index " << index;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), kInvalidProcedureCall) << index;
    }
  }
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(box.Text(), "typed");
  EXPECT_EQ(box.ListIndex(), -1);
}

struct TypeCase {
  const char* name;
  std::int16_t typed;
  std::function<void(std::int16_t&)> handler;  // empty: no handler installed
  std::string textAfter;
  std::int16_t codeLeft;
};

TEST(HeadlessComboBoxTest, TypingAddsOnlyWhatKeyPressLeaves) {
  const std::vector<TypeCase> cases = {
      {"no handler keeps the key", '7', nullptr, "2057", '7'},
      {"a handler that discards", '7', [](std::int16_t& k) { k = 0; }, "205", 0},
      {"a handler that replaces", 'x', [](std::int16_t& k) { k = '8'; }, "2058", '8'},
      {"a code above ASCII becomes UTF-8", 0x00F7, nullptr, "205\xC3\xB7", 0x00F7},
      {"a three-byte character", 0x0928, nullptr, "205\xE0\xA4\xA8", 0x0928},
      {"a lone surrogate becomes U+FFFD", static_cast<std::int16_t>(0xD800), nullptr,
       "205\xEF\xBF\xBD", static_cast<std::int16_t>(0xD800)},
      {"a negative code is a 16-bit unit", -1, nullptr, "205\xEF\xBF\xBF", -1},
  };
  for (const TypeCase& c : cases) {
    const auto owned = MakeList({"2057"});
    HeadlessComboBox& box = *owned;
    box.Text("205");
    if (c.handler) box.OnKeyPress(c.handler);
    EXPECT_EQ(box.Type(c.typed), c.codeLeft) << c.name;
    EXPECT_EQ(box.Text(), c.textAfter) << c.name;
  }
}

TEST(HeadlessComboBoxTest, HeightIsThirtyTwoTwipsPerPointOfFont) {
  struct HeightCase {
    float points;
    float twips;
  };
  for (const HeightCase c : {HeightCase{11.25F, 360.0F}, HeightCase{12.0F, 384.0F},
                             HeightCase{15.18F, 485.76F}, HeightCase{0.0F, 0.0F}}) {
    const auto owned = MakeList({});
    HeadlessComboBox& box = *owned;
    box.FontSize(c.points);
    box.Height(1000.0F);  // the font decides, not the caller
    EXPECT_FLOAT_EQ(box.Height(), c.twips) << c.points;
    EXPECT_EQ(box.FontSize(), c.points) << "the size is kept as requested";
  }
}

}  // namespace
}  // namespace sauramiti::headless
