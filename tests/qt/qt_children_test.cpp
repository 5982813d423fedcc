// The host surface and the Qt child controls as the control sees them (sizes, values read back,
// events) and as the user meets them (mouse, keyboard).
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <limits>
#include <memory>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_host.hpp>
#include <qt/qt_label.hpp>
#include <string>
#include <vector>

namespace sauramiti::qt {
namespace {

class ChildrenTest : public testing::Test {
 protected:
  void SetUp() override {
    host_.OnResize([this] { ++resizes_; });
    surface_.resize(400, 400);
    frame_ = kit().CreateFrame(nullptr, "Frame1");
    surface_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface_));
  }
  QtToolkit& kit() { return host_.Toolkit(); }
  std::unique_ptr<QtLabel> MakeLabel(const char* name) {
    auto label =
        std::unique_ptr<QtLabel>(static_cast<QtLabel*>(kit().CreateLabel(*frame_, name).release()));
    label->Width(1500);
    label->Height(600);
    return label;
  }
  std::unique_ptr<QtComboBox> MakeComboBox(const std::vector<const char*>& items) {
    auto combo = std::unique_ptr<QtComboBox>(
        static_cast<QtComboBox*>(kit().CreateComboBox(*frame_, "cboYear").release()));
    combo->Width(2400);
    for (const char* item : items) combo->AddItem(item);
    return combo;
  }

  QWidget surface_;
  QtHost host_{surface_};
  std::unique_ptr<platform::Frame> frame_;
  int resizes_ = 0;
};

TEST_F(ChildrenTest, TheControlsOwnSizeReadsBackAndResizesOncePerChange) {
  host_.Width(1000.0F);
  host_.Height(1000.0F);
  resizes_ = 0;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float width, height;
    int resizesAfter;
  } steps[] = {
      {3000.0F, 6000.0F, 2}, {3000.0F, 3000.0F, 3}, {3000.0F, 3000.0F, 3},  // same values: nothing
      {3001.0F, 3000.0F, 4},  // a change too small for a pixel still counts
      {nan, 3000.0F, 5},      // NaN is a change from 3001 ...
      {nan, 3000.0F, 5},      // ... but not from NaN
      {3000.0F, 3000.0F, 6},
  };
  for (const auto& s : steps) {
    host_.Width(s.width);
    host_.Height(s.height);
    EXPECT_EQ(resizes_, s.resizesAfter) << s.width << " x " << s.height;
    EXPECT_TRUE(std::isnan(s.width) ? std::isnan(host_.Width()) : host_.Width() == s.width);
    EXPECT_EQ(host_.Height(), s.height);
  }
  host_.SurfaceResized(QSize(200, 200));
  EXPECT_EQ(resizes_, 6) << "the widget's echo of the control's own size fires nothing";
  host_.SurfaceResized(QSize(369, 348));
  EXPECT_EQ(resizes_, 7);
  EXPECT_FLOAT_EQ(host_.Width(), 5535.0F);
  EXPECT_FLOAT_EQ(host_.Height(), 5220.0F);
}

TEST_F(ChildrenTest, LabelClicksReachTheHandlerOnlyWhenEnabledAndInRunMode) {
  const struct {
    const char* name;
    bool enabled, userInput;
    int clicks;
  } cases[] = {
      {"Enabled", true, true, 1}, {"Disabled", false, true, 0}, {"Design", true, false, 0}};
  for (const auto& c : cases) {
    auto label = MakeLabel("lblDay(1)");
    int clicks = 0;
    label->OnClick([&] { ++clicks; });
    label->Enabled(c.enabled);
    kit().SetUserInputEnabled(c.userInput);
    QTest::mouseClick(label->Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, c.clicks) << c.name;
    kit().SetUserInputEnabled(true);
  }
  auto label = MakeLabel("lblDay(2)");
  std::vector<int> errors;
  kit().SetErrorSink([&](const RuntimeError& error) { errors.push_back(error.Number()); });
  label->OnClick([] { Raise(kOverflow); });
  QTest::mousePress(label->Widget(), Qt::LeftButton);  // released elsewhere: no click
  QTest::mouseRelease(label->Widget(), Qt::LeftButton, {}, QPoint(-20, -20));
  QTest::mouseClick(label->Widget(), Qt::RightButton);
  EXPECT_TRUE(errors.empty());
  QTest::mouseClick(label->Widget(), Qt::LeftButton);  // a handler's error reaches the sink
  EXPECT_EQ(errors, std::vector<int>{kOverflow});
  EXPECT_FALSE(kit().InUserAction());
}

TEST_F(ChildrenTest, NepaliCaptionsAreShownAsDevanagariAndKeptAsWritten) {
  const struct {
    const char* name;
    bool nepali;
    std::string caption;
    QString shown;
  } cases[] = {
      {"NepaliSunday", true, "/ljjf/", QStringLiteral("रविवार")},
      {"NepaliDigits", true, "2059", QStringLiteral("२०५९")},
      {"EnglishUntouched", false, "/ljjf/", QStringLiteral("/ljjf/")},
  };
  auto label = MakeLabel("Label1");
  label->FontName("LegacyNepali");
  label->ToolTipText("Nepali Date");
  for (const auto& c : cases) {
    kit().Language().SetProbe([&] { return c.nepali; });
    label->Caption(c.caption);
    EXPECT_EQ(label->Caption(), c.caption) << c.name;
    EXPECT_EQ(label->ShownCaption(), c.shown) << c.name;
    const QFontMetrics metrics(label->Label()->font());
    for (const QChar ch : label->ShownCaption()) EXPECT_TRUE(metrics.inFont(ch)) << c.name;
  }
  kit().Language().SetProbe([] { return true; });  // what was written stays as written
  EXPECT_EQ(label->ShownCaption(), QStringLiteral("/ljjf/"));
  EXPECT_EQ(label->Widget()->toolTip(), QStringLiteral("Nepali Date")) << "never transcoded";
}

TEST_F(ChildrenTest, ComboTextChoosesTheFirstMatchingItemAndNothingElse) {
  auto combo = MakeComboBox({"Vaishaka", "Jestha", "Asadh", "Jestha"});
  EXPECT_EQ(combo->ListIndex(), -1) << "adding items chooses none";
  const std::vector<std::pair<std::string, std::int32_t>> cases{
      {"Asadh", 2}, {"Jestha", 1}, {"Vaishaka ", -1}, {"asadh", -1}, {"", -1}};
  for (const auto& [text, index] : cases) {
    combo->Text(text);
    EXPECT_EQ(combo->Text(), text);
    EXPECT_EQ(combo->ListIndex(), index) << text;
    EXPECT_EQ(combo->Combo()->currentText(), QString::fromStdString(text));
  }
  EXPECT_EQ(combo->List(4), "");
  EXPECT_EQ(combo->List(-1), "");
}

TEST_F(ChildrenTest, OnlyTheUsersChoiceIsAClickAndItComesWithTextAndIndexInPlace) {
  auto combo = MakeComboBox({"Vaishaka", "Jestha", "Asadh"});
  std::vector<std::pair<std::string, std::int32_t>> clicks;
  combo->OnClick([&] { clicks.emplace_back(combo->Text(), combo->ListIndex()); });
  combo->Text("Vaishaka");
  EXPECT_TRUE(clicks.empty()) << "the control's own changes are no clicks";
  combo->Combo()->setFocus();
  QTest::keyClick(combo->Combo(), Qt::Key_Down);
  EXPECT_TRUE(combo->Choose(2));
  EXPECT_FALSE(combo->Choose(3));
  const std::vector<std::pair<std::string, std::int32_t>> expected{{"Jestha", 1}, {"Asadh", 2}};
  EXPECT_EQ(clicks, expected);
}

TEST_F(ChildrenTest, TypingGoesThroughKeyPressAndADroppedKeyChangesNothing) {
  auto combo = MakeComboBox({"2059"});
  combo->Text("2059");
  std::vector<std::int16_t> codes;
  combo->OnKeyPress([&](std::int16_t& code) {
    codes.push_back(code);
    code = 0;
  });
  QApplication::clipboard()->setText("pasted");
  combo->Combo()->setFocus();
  QTest::keyClicks(combo->Combo(), "1a ");
  QTest::keyClick(combo->Combo(), Qt::Key_Backspace);
  QTest::keyClick(combo->Combo(), Qt::Key_Home);
  QTest::keyClick(combo->Combo(), Qt::Key_Delete);
  QTest::keyClick(combo->Combo(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(combo->Combo()->lineEdit(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(combo->Text(), "2059");
  EXPECT_EQ(combo->ListIndex(), 0);
  EXPECT_EQ(combo->Combo()->currentText(), QStringLiteral("2059"));
  EXPECT_EQ(codes, (std::vector<std::int16_t>{'1', 'a', ' ', 8}));
}

TEST_F(ChildrenTest, ChildrenAreFoundByNameWhileTheyLiveAndSafeAfterTheirFrame) {
  auto label = MakeLabel("lblWD(3)");
  {
    auto combo = MakeComboBox({});
    EXPECT_EQ(kit().FindComboBox("cboYear"), combo.get());
    EXPECT_EQ(kit().FindLabel("cboYear"), nullptr) << "a name finds only its own kind";
  }
  EXPECT_EQ(kit().FindComboBox("cboYear"), nullptr);
  EXPECT_EQ(kit().FindLabel("lblWD(3)"), label.get());
  frame_.reset();  // deletes the label's widget with the frame's
  EXPECT_EQ(label->Widget(), nullptr);
  label->Caption("9");
  EXPECT_EQ(label->Caption(), "9");
  EXPECT_FALSE(label->Click());
}

}  // namespace
}  // namespace sauramiti::qt
