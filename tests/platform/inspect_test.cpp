#include <gtest/gtest.h>

#include <memory>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sauramiti/platform/headless/inspect.hpp>
#include <string>
#include <vector>

namespace sauramiti::headless {
namespace {

// A host holding one child of each kind, as the control would create them.
class InspectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = host_.CreateFrame(nullptr, "Frame2");
    header_ = host_.CreateLabel(*frame_, "lblWD(0)");
    months_ = host_.CreateComboBox(*frame_, "CBoMonth");
  }

  HeadlessHost host_;
  std::unique_ptr<platform::Frame> frame_;
  std::unique_ptr<platform::Label> header_;
  std::unique_ptr<platform::ComboBox> months_;
};

struct InspectCase {
  const char* control;
  const char* property;
  const char* printed;
};

TEST_F(InspectTest, ANewChildShowsItsDefaults) {
  const std::vector<InspectCase> cases = {
      {"lblWD(0)", "caption", R"("")"},
      {"lblWD(0)", "enabled", "True"},
      {"lblWD(0)", "left", "0"},
      {"lblWD(0)", "backcolor", "0x8000000F"},
      {"lblWD(0)", "forecolor", "0x80000012"},
      {"lblWD(0)", "fontname", R"("MS Sans Serif")"},
      {"lblWD(0)", "fontsize", "8.25"},
      {"lblWD(0)", "tooltip", R"("")"},
      {"CBoMonth", "text", R"("")"},
      {"CBoMonth", "listcount", "0"},
      {"CBoMonth", "listindex", "-1"},
      {"CBoMonth", "height", "264"},
      {"Frame2", "width", "0"},
  };
  for (const InspectCase& c : cases) {
    EXPECT_EQ(Inspect(host_, c.control, c.property), c.printed) << c.control << " " << c.property;
  }
}

TEST_F(InspectTest, PrintsWhatTheControlSet) {
  header_->Caption("Sun \"1\"\t\xC3\xB7");
  header_->Width(685.5714F);
  header_->Height(579.8333F);
  header_->Enabled(false);
  header_->BackColor(0x00FFC0C0U);
  header_->FontBold(true);
  header_->FontSize(15.18F);
  frame_->ToolTipText("Click the Required Date");
  months_->AddItem("Baishakh");
  months_->AddItem("Jestha");
  months_->Text("Jestha");
  months_->FontSize(11.25F);

  const std::vector<InspectCase> cases = {
      {"lblWD(0)", "caption", R"("Sun \"1\"\t÷")"},
      {"lblWD(0)", "width", "685.5714"},
      {"lblWD(0)", "height", "579.8333"},
      {"lblWD(0)", "enabled", "False"},
      {"lblWD(0)", "backcolor", "0x00FFC0C0"},
      {"lblWD(0)", "fontbold", "True"},
      {"lblWD(0)", "fontsize", "15.18"},
      {"Frame2", "tooltip", R"("Click the Required Date")"},
      {"CBoMonth", "listcount", "2"},
      {"CBoMonth", "listindex", "1"},
      {"CBoMonth", "item(0)", R"("Baishakh")"},
      {"CBoMonth", "item(2)", R"("")"},
      {"CBoMonth", "height", "360"},
  };
  for (const InspectCase& c : cases) {
    EXPECT_EQ(Inspect(host_, c.control, c.property), c.printed) << c.control << " " << c.property;
  }
}

struct BadRequest {
  const char* name;
  const char* control;
  const char* property;
  const char* messagePart;
};

TEST_F(InspectTest, ABadRequestSaysWhatWasWrong) {
  const std::vector<BadRequest> cases = {
      {"unknown control", "lblDay(99)", "caption", "no child control named \"lblDay(99)\""},
      {"unknown property", "lblWD(0)", "colour", "unknown property \"colour\""},
      {"a label has no text", "lblWD(0)", "text", "lblWD(0) is a label"},
      {"a combo box has no caption", "CBoMonth", "caption", "is a combo box"},
      {"a frame has no font", "Frame2", "fontname", "is a frame"},
      {"item without a number", "CBoMonth", "item()", "bad item index"},
      {"item with a word", "CBoMonth", "item(one)", "bad item index"},
      {"item beyond 32 bits", "CBoMonth", "item(99999999999)", "bad item index"},
  };
  for (const BadRequest& c : cases) {
    try {
      Inspect(host_, c.control, c.property);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const InspectError& error) {
      EXPECT_NE(std::string(error.what()).find(c.messagePart), std::string::npos)
          << c.name << ": " << error.what();
    }
  }
}

}  // namespace
}  // namespace sauramiti::headless
