// The Qt child controls as the control sees them (values read back, events) and as the user
// meets them (mouse, keyboard, what is painted).
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <limits>
#include <memory>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_frame.hpp>
#include <qt/qt_label.hpp>
#include <qt/qt_toolkit.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <string>
#include <vector>

namespace sauramiti::qt {
namespace {

class ChildrenTest : public testing::Test {
 protected:
  void SetUp() override {
    root_.resize(400, 400);
    frame_ = kit_.CreateFrame(nullptr, "Frame1");
    frame_->Width(6000);
    frame_->Height(6000);
    root_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&root_));
  }

  std::unique_ptr<QtLabel> MakeLabel(const char* name) {
    std::unique_ptr<platform::Label> made = kit_.CreateLabel(*frame_, name);
    auto* label = static_cast<QtLabel*>(made.release());
    label->Left(150);
    label->Top(150);
    label->Width(1500);
    label->Height(600);
    return std::unique_ptr<QtLabel>(label);
  }

  std::unique_ptr<QtComboBox> MakeComboBox(const char* name) {
    std::unique_ptr<platform::ComboBox> made = kit_.CreateComboBox(*frame_, name);
    auto* combo = static_cast<QtComboBox*>(made.release());
    combo->Left(150);
    combo->Top(150);
    combo->Width(2400);
    return std::unique_ptr<QtComboBox>(combo);
  }

  void SpeakNepali(bool nepali) {
    kit_.Language().SetProbe([nepali] { return nepali; });
  }

  QWidget root_;
  QtToolkit kit_{root_};
  std::unique_ptr<platform::Frame> frame_;
};

// ---- Labels ----

TEST_F(ChildrenTest, PlacesReadBackExactlyAsSet) {
  auto label = MakeLabel("lblDay(0)");
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const float twips : {685.5714F, -5.0F, 0.0F, 1e30F}) {
    label->Left(twips);
    label->Width(twips);
    EXPECT_EQ(label->Left(), twips);
    EXPECT_EQ(label->Width(), twips);
  }
  label->Top(nan);
  EXPECT_TRUE(std::isnan(label->Top()));
}

TEST_F(ChildrenTest, WidgetSitsAtTheNearestPixels) {
  auto label = MakeLabel("lblDay(0)");
  label->Left(685.5714F);
  label->Top(579.8333F);
  label->Width(685.5714F);
  label->Height(579.8333F);
  EXPECT_EQ(label->Widget()->geometry(), QRect(46, 39, 45, 38));
}

TEST_F(ChildrenTest, ClicksReachTheHandlerOnlyWhenEnabledAndInRunMode) {
  struct Case {
    std::string name;
    bool labelEnabled;
    bool userInput;
    int expectedClicks;
  };
  const std::vector<Case> cases{{"Enabled", true, true, 1},
                                {"DisabledLabel", false, true, 0},
                                {"DesignMode", true, false, 0}};
  for (const Case& c : cases) {
    auto label = MakeLabel("lblDay(1)");
    int clicks = 0;
    label->OnClick([&] { ++clicks; });
    label->Enabled(c.labelEnabled);
    kit_.SetUserInputEnabled(c.userInput);
    QTest::mouseClick(label->Widget(), Qt::LeftButton);
    EXPECT_EQ(clicks, c.expectedClicks) << c.name;
    EXPECT_EQ(label->Enabled(), c.labelEnabled) << c.name;
    kit_.SetUserInputEnabled(true);
  }
}

TEST_F(ChildrenTest, PressingAndReleasingElsewhereIsNoClick) {
  auto label = MakeLabel("lblDay(2)");
  int clicks = 0;
  label->OnClick([&] { ++clicks; });
  QTest::mousePress(label->Widget(), Qt::LeftButton);
  QTest::mouseRelease(label->Widget(), Qt::LeftButton, {}, QPoint(-20, -20));
  QTest::mouseClick(label->Widget(), Qt::RightButton);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ChildrenTest, ARunTimeErrorOfAHandlerReachesTheErrorSink) {
  auto label = MakeLabel("lblDay(3)");
  std::vector<int> errors;
  kit_.SetErrorSink([&](const RuntimeError& error) { errors.push_back(error.Number()); });
  label->OnClick([] { Raise(kOverflow); });
  QTest::mouseClick(label->Widget(), Qt::LeftButton);
  EXPECT_EQ(errors, std::vector<int>{kOverflow});
  EXPECT_FALSE(kit_.InUserAction());
}

TEST_F(ChildrenTest, NepaliCaptionsAreShownAsDevanagariAndKeptAsWritten) {
  struct Case {
    std::string name;
    bool nepali;
    std::string caption;
    QString shown;
  };
  const std::vector<Case> cases{
      {"NepaliSunday", true, "/ljjf/", QStringLiteral("रविवार")},
      {"NepaliDigits", true, "2059", QStringLiteral("२०५९")},
      {"EnglishUntouched", false, "/ljjf/", QStringLiteral("/ljjf/")},
      {"EnglishDigits", false, "2059", QStringLiteral("2059")},
  };
  auto label = MakeLabel("Label1");
  label->FontName("LegacyNepali");
  for (const Case& c : cases) {
    SpeakNepali(c.nepali);
    label->Caption(c.caption);
    EXPECT_EQ(label->Caption(), c.caption) << c.name;
    EXPECT_EQ(label->ShownCaption(), c.shown) << c.name;
    EXPECT_EQ(label->FontName(), "LegacyNepali") << c.name;
    const QString family = label->Label()->font().families().value(0);
    EXPECT_EQ(family == QStringLiteral("LegacyNepali"), !c.nepali) << c.name;
  }
}

TEST_F(ChildrenTest, DevanagariIsDrawnWithAFontThatHasIt) {
  SpeakNepali(true);
  auto label = MakeLabel("Label2");
  label->FontName("LegacyNepali");
  label->Caption("j}zfv");
  const QFontMetrics metrics(label->Label()->font());
  for (const QChar ch : label->ShownCaption()) {
    EXPECT_TRUE(metrics.inFont(ch)) << "U+" << std::hex << static_cast<int>(ch.unicode());
  }
}

TEST_F(ChildrenTest, TextWrittenStaysInTheLanguageItWasWrittenIn) {
  auto label = MakeLabel("Label1");
  SpeakNepali(false);
  label->Caption("Vaishaka");
  SpeakNepali(true);  // the control changes language without rewriting the label
  EXPECT_EQ(label->ShownCaption(), QStringLiteral("Vaishaka"));
}

TEST_F(ChildrenTest, ToolTipsAreNeverTranscoded) {
  SpeakNepali(true);
  auto label = MakeLabel("Label1");
  label->ToolTipText("Nepali Date Display Panel");
  EXPECT_EQ(label->Widget()->toolTip(), QStringLiteral("Nepali Date Display Panel"));
}

TEST_F(ChildrenTest, FontSizesAreHeldInAUsableRange) {
  struct Case {
    float asked;
    float reported;
  };
  auto label = MakeLabel("lblDay(4)");
  for (const Case c : {Case{15.76F, 15.76F}, Case{0.5F, 1.0F}, Case{-3.0F, 1.0F},
                       Case{std::numeric_limits<float>::quiet_NaN(), 1.0F}, Case{1e9F, 2000.0F}}) {
    label->FontSize(c.asked);
    EXPECT_EQ(label->FontSize(), c.reported) << c.asked;
    EXPECT_NEAR(label->Label()->font().pointSizeF(), c.reported, 0.01) << c.asked;
  }
}

QColor PixelOf(QWidget* widget, QPoint at) { return widget->grab().toImage().pixelColor(at); }

TEST_F(ChildrenTest, PaintsItsColoursAndTellsTheSelectedCellByItsFlatBorder) {
  auto label = MakeLabel("lblDay(5)");
  label->S1(1);
  label->S2(2);
  label->BackColor(0x00FF0000U);  // blue
  label->S3(1);
  const QColor raisedEdge = PixelOf(label->Widget(), QPoint(0, 0));
  EXPECT_EQ(PixelOf(label->Widget(), QPoint(5, 5)).rgb(), QColor(0, 0, 255).rgb());
  label->S3(0);
  const QColor flatEdge = PixelOf(label->Widget(), QPoint(0, 0));
  EXPECT_NE(raisedEdge, flatEdge);
  label->BackColor(platform::kButtonShadowColor);
  EXPECT_EQ(PixelOf(label->Widget(), QPoint(5, 5)).rgb(),
            root_.palette().color(QPalette::Dark).rgb());
}

// ---- Combo boxes ----

TEST_F(ChildrenTest, ComboTextChoosesTheFirstMatchingItemAndNothingElse) {
  struct Case {
    std::string name;
    std::string text;
    std::int32_t index;
  };
  auto combo = MakeComboBox("CBoMonth");
  for (const char* item : {"Vaishaka", "Jestha", "Asadh", "Jestha"}) combo->AddItem(item);
  EXPECT_EQ(combo->ListIndex(), -1) << "adding items chooses none";
  EXPECT_EQ(combo->Text(), "");
  const std::vector<Case> cases{{"Item", "Asadh", 2},
                                {"DuplicateTakesFirst", "Jestha", 1},
                                {"NotAnItem", "Vaishaka ", -1},
                                {"CaseCounts", "asadh", -1},
                                {"Empty", "", -1}};
  for (const Case& c : cases) {
    combo->Text(c.text);
    EXPECT_EQ(combo->Text(), c.text) << c.name;
    EXPECT_EQ(combo->ListIndex(), c.index) << c.name;
    EXPECT_EQ(combo->Combo()->currentIndex(), c.index) << c.name;
    EXPECT_EQ(combo->Combo()->currentText(), QString::fromStdString(c.text)) << c.name;
  }
}

TEST_F(ChildrenTest, ComboKeepsItsTextAcrossAddingAndLosesItOnClear) {
  auto combo = MakeComboBox("cboYear");
  combo->Text("2059");  // not (yet) an item
  combo->AddItem("2058");
  combo->AddItem("2059");
  EXPECT_EQ(combo->Text(), "2059");
  EXPECT_EQ(combo->ListIndex(), -1);
  EXPECT_EQ(combo->Combo()->currentText(), QStringLiteral("2059"));
  EXPECT_EQ(combo->ListCount(), 2);
  EXPECT_EQ(combo->List(1), "2059");
  EXPECT_EQ(combo->List(2), "");
  EXPECT_EQ(combo->List(-1), "");
  combo->Clear();
  EXPECT_EQ(combo->Text(), "");
  EXPECT_EQ(combo->ListCount(), 0);
  EXPECT_EQ(combo->Combo()->currentText(), QString());
}

TEST_F(ChildrenTest, OnlyTheUsersChoiceIsAClickAndItComesWithTextAndIndexInPlace) {
  auto combo = MakeComboBox("CBoMonth");
  std::vector<std::pair<std::string, std::int32_t>> clicks;
  combo->OnClick([&] { clicks.emplace_back(combo->Text(), combo->ListIndex()); });
  combo->Clear();
  for (const char* item : {"Vaishaka", "Jestha", "Asadh"}) combo->AddItem(item);
  combo->Text("Vaishaka");
  EXPECT_TRUE(clicks.empty()) << "the control's own changes are no clicks";

  combo->Combo()->setFocus();
  QTest::keyClick(combo->Combo(), Qt::Key_Down);
  ASSERT_EQ(clicks.size(), 1U);
  EXPECT_EQ(clicks[0], std::make_pair(std::string("Jestha"), 1));

  EXPECT_TRUE(combo->Choose(2));
  EXPECT_FALSE(combo->Choose(3));
  ASSERT_EQ(clicks.size(), 2U);
  EXPECT_EQ(clicks[1], std::make_pair(std::string("Asadh"), 2));
}

TEST_F(ChildrenTest, DropDownRunsBeforeTheListShows) {
  auto combo = MakeComboBox("cboYear");
  combo->AddItem("2059");
  bool listWasShowing = true;
  int dropDowns = 0;
  combo->OnDropDown([&] {
    ++dropDowns;
    listWasShowing = combo->Combo()->view()->isVisible();
  });
  combo->Combo()->showPopup();
  EXPECT_EQ(dropDowns, 1);
  EXPECT_FALSE(listWasShowing);
  combo->Combo()->hidePopup();
}

TEST_F(ChildrenTest, TypingGoesThroughKeyPressAndADroppedKeyChangesNothing) {
  auto combo = MakeComboBox("cboYear");
  combo->AddItem("2059");
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
  QTest::keyClick(combo->Combo(), Qt::Key_Delete);
  QTest::keyClick(combo->Combo(), Qt::Key_Home);
  QTest::keyClick(combo->Combo(), Qt::Key_Delete);
  QTest::keyClick(combo->Combo(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(combo->Combo()->lineEdit(), Qt::Key_X, Qt::ControlModifier);
  QTest::keyClicks(combo->Combo()->lineEdit(), "9");

  EXPECT_EQ(combo->Text(), "2059");
  EXPECT_EQ(combo->ListIndex(), 0);
  EXPECT_EQ(combo->Combo()->currentText(), QStringLiteral("2059"));
  const std::vector<std::int16_t> expected{'1', 'a', ' ', 8, '9'};
  EXPECT_EQ(codes, expected);
}

TEST_F(ChildrenTest, AKeptOrReplacedCodeIsTyped) {
  auto combo = MakeComboBox("cboYear");
  combo->OnKeyPress([](std::int16_t& code) {
    if (code == 'a') code = 'x';
  });
  combo->Combo()->setFocus();
  QTest::keyClicks(combo->Combo(), "ab");
  EXPECT_EQ(combo->Text(), "xb");
  EXPECT_EQ(combo->ListIndex(), -1);
  QTest::keyClick(combo->Combo(), Qt::Key_Backspace);
  EXPECT_EQ(combo->Text(), "x");
}

TEST_F(ChildrenTest, ComboHeightFollowsItsFontAndCannotBeSet) {
  auto combo = MakeComboBox("cboYear");
  combo->FontSize(8.0F);
  const float small = combo->Height();
  combo->Height(5000.0F);
  EXPECT_EQ(combo->Height(), small);
  combo->FontSize(20.0F);
  EXPECT_GT(combo->Height(), small);
  EXPECT_EQ(combo->Widget()->height(), combo->Combo()->sizeHint().height());
}

TEST_F(ChildrenTest, NepaliListItemsAreShownAsDevanagariAndReadAsWritten) {
  SpeakNepali(true);
  auto combo = MakeComboBox("CBoMonth");
  combo->AddItem("j}zfv");
  combo->AddItem("h]i&");
  combo->Text("h]i&");
  EXPECT_EQ(combo->List(0), "j}zfv");
  EXPECT_EQ(combo->ShownItem(0), QStringLiteral("वैशाख"));
  EXPECT_EQ(combo->Text(), "h]i&");
  EXPECT_EQ(combo->ListIndex(), 1);
  EXPECT_EQ(combo->Combo()->currentText(), ToQString(view::LegacyFontToUnicode("h]i&")));
  EXPECT_TRUE(combo->ShowsDevanagari());
}

TEST_F(ChildrenTest, ChildrenAreFoundByNameWhileTheyLive) {
  {
    auto label = MakeLabel("lblWD(3)");
    auto combo = MakeComboBox("cboYear");
    EXPECT_EQ(kit_.FindLabel("lblWD(3)"), label.get());
    EXPECT_EQ(kit_.FindComboBox("cboYear"), combo.get());
    EXPECT_EQ(kit_.FindLabel("cboYear"), nullptr) << "a name finds only its own kind";
    EXPECT_NE(kit_.FindFrame("Frame1"), nullptr);
    EXPECT_EQ(label->Widget()->objectName(), QStringLiteral("lblWD(3)"));
  }
  EXPECT_EQ(kit_.FindLabel("lblWD(3)"), nullptr);
  EXPECT_EQ(kit_.FindComboBox("cboYear"), nullptr);
}

TEST_F(ChildrenTest, ChildrenOfAGoneFrameAreSafeToUse) {
  auto label = MakeLabel("lblDay(9)");
  frame_.reset();  // deletes the label's widget with the frame's
  EXPECT_EQ(label->Widget(), nullptr);
  label->Caption("9");
  label->Left(10);
  EXPECT_EQ(label->Caption(), "9");
  EXPECT_FALSE(label->Click());
}

}  // namespace
}  // namespace sauramiti::qt
