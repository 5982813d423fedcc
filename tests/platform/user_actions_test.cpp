// The headless host's user-action call: a person's click, choice, typed key and opening of a
// list, delivered by a child's name, run the handlers exactly as the child's own calls do.
#include <gtest/gtest.h>

#include <memory>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sauramiti/platform/user_actions.hpp>
#include <string>
#include <vector>

namespace sauramiti::headless {
namespace {

using platform::UserAction;
using platform::UserActionKind;
using platform::UserActionOutcome;

class UserActionsTest : public testing::Test {
 protected:
  void SetUp() override {
    frame_ = host_.CreateFrame(nullptr, "Frame1");
    cell_ = host_.CreateLabel(*frame_, "lblDay(3)");
    list_ = host_.CreateComboBox(*frame_, "cboYear");
    for (const char* item : {"2058", "2059", "2060"}) list_->AddItem(item);
    cell_->OnClick([this] { seen_.push_back("click " + cell_->Caption()); });
    list_->OnClick([this] { seen_.push_back("chose " + list_->Text()); });
    list_->OnDropDown([this] { seen_.emplace_back("opened"); });
    // Like the control's lists: digits pass, every other key is discarded.
    list_->OnKeyPress([this](std::int16_t& key) {
      seen_.push_back("key " + std::to_string(key));
      if (key < '0' || key > '9') key = 0;
    });
    cell_->Caption("4");
  }

  HeadlessHost host_;
  std::unique_ptr<platform::Frame> frame_;
  std::unique_ptr<platform::Label> cell_;
  std::unique_ptr<platform::ComboBox> list_;
  std::vector<std::string> seen_;
};

TEST_F(UserActionsTest, EachActionReachesItsHandlerOrSaysWhyNot) {
  using enum UserActionKind;
  using enum UserActionOutcome;
  // clang-format off
  const struct {
    const char* name;
    UserAction action;
    bool disableCell;
    UserActionOutcome outcome;
    std::vector<std::string> seen;
    std::string text;  // the list's text afterwards
  } cases[] = {
      {"a click on a cell", {ClickLabel, "lblDay(3)", 0}, false, Delivered, {"click 4"}, ""},
      {"a disabled cell reports no click", {ClickLabel, "lblDay(3)", 0}, true, Refused, {}, ""},
      {"a choice shows its entry before Click", {ChooseEntry, "cboYear", 2}, false, Delivered, {"chose 2060"}, "2060"},
      {"a digit typed is kept", {TypeCharacter, "cboYear", '7'}, false, Delivered, {"key 55"}, "7"},
      {"a letter typed is discarded", {TypeCharacter, "cboYear", 'x'}, false, Refused, {"key 120"}, ""},
      {"a code unit past 0x7fff", {TypeCharacter, "cboYear", 0x8000}, false, Refused, {"key -32768"}, ""},
      {"opening the list", {OpenList, "cboYear", 0}, false, Delivered, {"opened"}, ""},
      {"no child of that name", {ClickLabel, "lblDay(99)", 0}, false, NoSuchChild, {}, ""},
      {"a list takes no click", {ClickLabel, "cboYear", 0}, false, WrongKind, {}, ""},
      {"a label has no entries", {ChooseEntry, "lblDay(3)", 0}, false, WrongKind, {}, ""},
      {"a frame takes nothing", {OpenList, "Frame1", 0}, false, WrongKind, {}, ""},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    seen_.clear();
    list_->Text("");
    cell_->Enabled(!c.disableCell);
    EXPECT_EQ(host_.Perform(c.action), c.outcome);
    EXPECT_EQ(seen_, c.seen);
    EXPECT_EQ(list_->Text(), c.text);
  }
}

}  // namespace
}  // namespace sauramiti::headless
