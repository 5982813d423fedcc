// The Sauramiti widget as a user and a host meet it: what it shows, what mouse and keyboard do,
// the control's mode rules through Qt properties, Nepali shown as Devanagari, documents.
#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <limits>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_label.hpp>
#include <qt/sauramiti_widget.hpp>
#include <sauramiti/document/document_error.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <sauramiti/view/name_tables.hpp>
#include <stdexcept>
#include <string>
#include <vector>

namespace sauramiti::qt {
namespace {

using SauramitiRoutine::MonthNames;
using SauramitiRoutine::WeekdayNames;

QString Devanagari(const std::string& legacy) {
  return ToQString(view::LegacyFontToUnicode(legacy));
}

QColor PaintedBackground(const QtLabel& cell) {
  return cell.Widget()->grab().toImage().pixelColor(3, 3);
}

// A picker whose today is 28 April 2002, BS 2059/01/15, a Sunday; Vaishaka 2059 starts on a
// Sunday, so day d sits in cell d - 1.
class WidgetTest : public testing::Test {
 protected:
  void SetUp() override {
    widget_.setToday(QDate(2002, 4, 28));
    widget_.newDocument();
    widget_.resize(widget_.sizeHint());
    widget_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget_));
    QObject::connect(&widget_, &SauramitiWidget::errorRaised,
                     [this](int number, const QString&) { errors_.push_back(number); });
  }

  QtLabel& Cell(int j) { return *widget_.label(QString("lblDay(%1)").arg(j)); }
  QtLabel& Header(int i) { return *widget_.label(QString("lblWD(%1)").arg(i)); }
  QtComboBox& Years() { return *widget_.comboBox("cboYear"); }
  QtComboBox& Months() { return *widget_.comboBox("CBoMonth"); }
  int HighlightedCell() {
    int found = -1;
    for (int j = 0; j < 35; ++j) {
      if (Cell(j).S3() == 0) found = j;
    }
    return found;
  }
  int CellShowing(const QString& day) {
    for (int j = 0; j < 35; ++j) {
      if (Cell(j).ShownCaption() == day) return j;
    }
    return -1;
  }
  std::vector<int> TakeErrors() { return std::exchange(errors_, {}); }

  SauramitiWidget widget_;
  std::vector<int> errors_;
};

TEST_F(WidgetTest, ShowsTheSelectedMonth) {
  EXPECT_EQ(widget_.value(), QStringLiteral("2059/01/15/1"));
  EXPECT_EQ(Years().ShownText(), QStringLiteral("2059"));
  EXPECT_EQ(Months().ShownText(), QStringLiteral("Vaishaka"));
  const int days = widget_.control().GetDaysInMonth(2059, 1, disNepali);
  for (int j = 0; j < 35; ++j) {
    const QString expected = j < days ? QString::number(j + 1) : QString();
    EXPECT_EQ(Cell(j).ShownCaption(), expected) << "cell " << j;
    EXPECT_EQ(Cell(j).Widget()->isEnabled(), j < days) << "cell " << j;
  }
  EXPECT_EQ(Header(0).ShownCaption(), QStringLiteral("Sun"));
  EXPECT_EQ(widget_.label("Label1")->ShownCaption(), widget_.dateValue());
  EXPECT_EQ(widget_.label("Label2")->ShownCaption(), widget_.engStrDate());

  EXPECT_EQ(HighlightedCell(), 14);
  const QPalette palette = widget_.palette();
  EXPECT_EQ(PaintedBackground(Cell(14)).rgb(), palette.color(QPalette::Dark).rgb());
  EXPECT_EQ(PaintedBackground(Cell(13)).rgb(), palette.color(QPalette::Button).rgb());
}

TEST_F(WidgetTest, CellsLineUpWithTheirWeekdayInBothArrangements) {
  for (const bool vertical : {true, false}) {
    widget_.setVertical(vertical);
    for (int j = 0; j < 35; ++j) {
      const QRect cell = Cell(j).Widget()->geometry();
      const QRect header = Header(j % 7).Widget()->geometry();
      // Headers and cells share a frame: a cell sits beside (vertical) or under its header.
      if (vertical) {
        EXPECT_EQ(cell.y(), header.y()) << "cell " << j;
        EXPECT_GT(cell.x(), header.x()) << "cell " << j;
      } else {
        EXPECT_EQ(cell.x(), header.x()) << "cell " << j;
        EXPECT_GT(cell.y(), header.y()) << "cell " << j;
      }
      if (j % 7 != 6) {
        const QRect next = Cell(j + 1).Widget()->geometry();
        EXPECT_EQ(vertical ? cell.bottom() + 1 : cell.right() + 1,
                  vertical ? next.top() : next.left())
            << "cells " << j << " and " << j + 1 << " touch";
      }
    }
  }
  EXPECT_TRUE(TakeErrors().empty());
}

TEST_F(WidgetTest, AMouseClickRaisesClickOnceWithTheNewDateInPlace) {
  struct Case {
    std::string name;
    int cell;
    QString value;
    QString dateAD;
  };
  const std::vector<Case> cases{
      {"Saturday", 20, "2059/01/21/7", "05/04/2002"},
      {"FirstDay", 0, "2059/01/01/1", "04/14/2002"},
      {"Wednesday", 3, "2059/01/04/4", "04/17/2002"},
  };
  for (const Case& c : cases) {
    std::vector<QString> seen;
    const QMetaObject::Connection connection =
        QObject::connect(&widget_, &SauramitiWidget::clicked, [&] {
          seen.push_back(widget_.value());
          seen.push_back(widget_.dateAD());
        });
    QTest::mouseClick(Cell(c.cell).Widget(), Qt::LeftButton);
    QObject::disconnect(connection);
    EXPECT_EQ(seen, (std::vector<QString>{c.value, c.dateAD})) << c.name;
    EXPECT_EQ(HighlightedCell(), c.cell) << c.name;
    EXPECT_EQ(widget_.label("Label1")->ShownCaption(), widget_.dateValue()) << c.name;
  }
}

TEST_F(WidgetTest, AnEmptyCellCannotBeClicked) {
  QSignalSpy clicks(&widget_, &SauramitiWidget::clicked);
  QTest::mouseClick(Cell(34).Widget(), Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(widget_.value(), QStringLiteral("2059/01/15/1"));
}

TEST_F(WidgetTest, TheListsTurnPagesWithoutPickingADate) {
  QSignalSpy clicks(&widget_, &SauramitiWidget::clicked);
  Months().Combo()->setFocus();
  QTest::keyClick(Months().Combo(), Qt::Key_Down);
  EXPECT_EQ(Months().ShownText(), QStringLiteral("Jestha"));
  EXPECT_EQ(widget_.month(), 2);
  const int firstWeekday = widget_.control().GetFirstWeekDay(2059, 2);
  EXPECT_EQ(CellShowing("1"), firstWeekday - 1);
  EXPECT_EQ(widget_.value(), QStringLiteral("2059/01/15/1")) << "the picked date stays";

  Years().Combo()->showPopup();  // opening a list empties the grid and the panels
  EXPECT_EQ(CellShowing("1"), -1);
  EXPECT_EQ(widget_.label("Label1")->ShownCaption(), QString());
  Years().Combo()->hidePopup();
  ASSERT_TRUE(Years().Choose(Years().ListIndex() + 1));
  EXPECT_EQ(widget_.year(), 2060);
  EXPECT_EQ(CellShowing("1"), widget_.control().GetFirstWeekDay(2060, 2) - 1);
  EXPECT_EQ(clicks.count(), 0);
}

TEST_F(WidgetTest, TypingIntoAListChangesNothing) {
  QSignalSpy changes(&widget_, &SauramitiWidget::propertyChanged);
  for (QtComboBox* list : {&Years(), &Months()}) {
    const std::string text = list->Text();
    const std::int32_t index = list->ListIndex();
    list->Combo()->setFocus();
    QTest::keyClicks(list->Combo(), "2061x ");
    QTest::keyClick(list->Combo(), Qt::Key_Backspace);
    QTest::keyClick(list->Combo(), Qt::Key_Delete);
    EXPECT_EQ(list->Text(), text);
    EXPECT_EQ(list->ListIndex(), index);
    EXPECT_EQ(list->Combo()->currentText(), ToQString(text));
  }
  EXPECT_EQ(CellShowing("1"), 0);
  EXPECT_EQ(changes.count(), 0);
}

TEST_F(WidgetTest, DesignModeRefusesTheRunTimeSettings) {
  widget_.setUserMode(false);
  const QString value = widget_.value();
  const std::vector<std::function<void()>> runTimeOnly{
      [&] { widget_.setValue("2059/01/01/1"); },
      [&] { widget_.setYear(2060); },
      [&] { widget_.setJulianDate(2452378.5); },
      [&] { widget_.setSeparator(1); },
      [&] { widget_.setEnglishDateStyle(2); },
      [&] { widget_.setDateAD("x"); },
      [&] { widget_.setMonth(3); },
  };
  for (const auto& set : runTimeOnly) set();
  EXPECT_EQ(TakeErrors(), std::vector<int>(runTimeOnly.size(), kSetNotPermitted));
  EXPECT_EQ(widget_.value(), value) << "reading is allowed in design mode";
  EXPECT_EQ(widget_.weekDayStyle(), QVariant(0));
  try {
    widget_.control().Value("2059/01/01/1");
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), kSetNotPermitted);
  }

  QSignalSpy clicks(&widget_, &SauramitiWidget::clicked);
  QTest::mouseClick(Cell(3).Widget(), Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 0) << "a designer's sheet passes no clicks";
  EXPECT_TRUE(TakeErrors().empty());

  widget_.setUserMode(true);
  EXPECT_FALSE(widget_.weekDayStyle().isValid());
  EXPECT_EQ(TakeErrors(), std::vector<int>{kGetNotSupportedAtRunTime});
}

TEST_F(WidgetTest, AnErrorInsideAUsersClickReachesErrorRaised) {
  widget_.setSeparator(-1);  // stored, then the re-forming fails
  EXPECT_EQ(TakeErrors(), std::vector<int>{kInvalidProcedureCall});
  QSignalSpy clicks(&widget_, &SauramitiWidget::clicked);
  QTest::mouseClick(Cell(3).Widget(), Qt::LeftButton);
  EXPECT_EQ(TakeErrors(), std::vector<int>{kInvalidProcedureCall});
  EXPECT_EQ(clicks.count(), 0);
}

TEST_F(WidgetTest, SaveAndLoadBringBackTheSettingsButNotTheDate) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("picker.json");
  widget_.setMinYear(2050);
  widget_.setMaxYear(QStringLiteral("2070"));
  widget_.setEnglish(false);
  widget_.setVertical(false);
  widget_.setToolTipText("Pick one");
  widget_.setSeparator(1);
  QTest::mouseClick(Cell(20).Widget(), Qt::LeftButton);
  widget_.save(path);

  widget_.newDocument();
  EXPECT_TRUE(widget_.english());
  EXPECT_EQ(widget_.minYear(), 2000);
  widget_.load(path);
  EXPECT_FALSE(widget_.english());
  EXPECT_FALSE(widget_.vertical());
  EXPECT_EQ(widget_.minYear(), 2050);
  EXPECT_EQ(widget_.maxYear(), QVariant(QStringLiteral("2070")));
  EXPECT_EQ(widget_.maxYear().typeId(), QMetaType::QString);
  EXPECT_EQ(widget_.toolTipText(), QStringLiteral("Pick one"));
  EXPECT_EQ(widget_.separator(), 1);
  EXPECT_EQ(widget_.value(), QStringLiteral("2059/01/15/1")) << "a loaded picker starts today";
  EXPECT_EQ(Years().ListCount(), 21);
  EXPECT_EQ(Months().ShownText(), Devanagari(MonthNames[1]));
  EXPECT_TRUE(TakeErrors().empty());
}

TEST_F(WidgetTest, ABrokenDocumentChangesNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath("broken.json");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("{\"MinYear\": {\"type\": \"Integer\", \"value\": ");
  file.close();
  widget_.setMinYear(2040);
  EXPECT_THROW(widget_.load(path), document::DocumentError);
  EXPECT_THROW(widget_.load(dir.filePath("missing.json")), document::DocumentError);
  EXPECT_EQ(widget_.minYear(), 2040);
  EXPECT_EQ(Years().List(0), "2040");
}

TEST_F(WidgetTest, TheDocumentCannotBeReplacedFromInsideClick) {
  bool refused = false;
  QObject::connect(&widget_, &SauramitiWidget::clicked, [&] {
    try {
      widget_.newDocument();
    } catch (const std::logic_error&) {
      refused = true;
    }
  });
  QTest::mouseClick(Cell(5).Widget(), Qt::LeftButton);
  EXPECT_TRUE(refused);
  EXPECT_EQ(widget_.value(), QStringLiteral("2059/01/06/6"));
}

TEST_F(WidgetTest, NepaliNamesAreDrawnAsDevanagariAndReadAsWritten) {
  widget_.setEnglish(false);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(Months().List(i), MonthNames[static_cast<std::size_t>(i) + 1]);
    EXPECT_EQ(Months().ShownItem(i), Devanagari(Months().List(i))) << "month " << i + 1;
  }
  EXPECT_EQ(Months().ShownItem(0), QStringLiteral("वैशाख"));
  EXPECT_EQ(Years().ShownText(), QStringLiteral("२०५९"));
  EXPECT_EQ(Cell(14).ShownCaption(), QStringLiteral("१५"));
  EXPECT_EQ(Cell(14).Caption(), "15");
  for (const char* panel : {"Label1", "Label2"}) {
    const QtLabel& label = *widget_.label(panel);
    EXPECT_EQ(label.ShownCaption(), Devanagari(label.Caption())) << panel;
  }
  EXPECT_EQ(Devanagari(widget_.dateValue().toStdString()), widget_.label("Label1")->ShownCaption());

  widget_.setUserMode(false);  // the weekday style is a design-time setting
  for (const int style : {0, 1}) {
    widget_.setWeekDayStyle(style);
    for (int i = 0; i < 7; ++i) {
      EXPECT_EQ(Header(i).ShownCaption(), Devanagari(Header(i).Caption())) << "header " << i;
    }
  }
  EXPECT_EQ(Header(0).Caption(), WeekdayNames[1]);
  EXPECT_EQ(Header(0).ShownCaption(), QStringLiteral("रविवार"));
  EXPECT_EQ(Header(0).Label()->font().families().value(0), QStringLiteral("Noto Sans Devanagari"));

  widget_.setEnglish(true);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(Months().ShownItem(i), ToQString(Months().List(i))) << "English is never transcoded";
  }
  EXPECT_EQ(Header(6).ShownCaption(), QStringLiteral("Saturday"));
  EXPECT_TRUE(TakeErrors().empty());
}

TEST_F(WidgetTest, DayCellsHaveAccessibleNamesInTheCurrentLanguage) {
  EXPECT_EQ(Cell(0).Widget()->accessibleName(), QStringLiteral("Sunday 1 Vaishaka 2059"));
  EXPECT_EQ(Cell(20).Widget()->accessibleName(), QStringLiteral("Saturday 21 Vaishaka 2059"));
  EXPECT_EQ(Cell(34).Widget()->accessibleName(), QString());
  widget_.setEnglish(false);
  EXPECT_EQ(Cell(0).Widget()->accessibleName(), QStringLiteral("रविवार १ वैशाख २०५९"));
}

TEST_F(WidgetTest, ResizingLaysThePickerOutForTheNewSizeInTwips) {
  widget_.resize(600, 500);  // 9000 x 7500 twips at 96 dpi
  EXPECT_FLOAT_EQ(widget_.label("Label1")->Width(), 9000.0F);
  EXPECT_FLOAT_EQ(widget_.label("Label1")->Height(), 750.0F);
}

TEST_F(WidgetTest, HostileValuesEndInAValueOrANumberedError) {
  struct Case {
    std::string name;
    std::function<void()> set;
    int error;  // the expected error, 0 for none, -1 when any numbered error will do
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<Case> cases{
      {"MinYearPast16Bits", [&] { widget_.setMinYear(40000); }, kOverflow},
      {"MaxYearOfLetters", [&] { widget_.setMaxYear(QStringLiteral("abc")); }, kTypeMismatch},
      {"MaxYearOfAnUnknownType", [&] { widget_.setMaxYear(QDate(2002, 4, 28)); }, kTypeMismatch},
      {"MaxYearHuge", [&] { widget_.setMaxYear(1e300); }, -1},
      {"JulianDateNaN", [&] { widget_.setJulianDate(nan); }, 0},
      {"ValueOfLettersAndSymbols", [&] { widget_.setValue(QString::fromLatin1("\xff\xfe/zz")); },
       -1},
      {"ValueOfNoDate", [&] { widget_.setValue("9999/12/32/9"); }, -1},
      {"LowestSeparator", [&] { widget_.setSeparator(std::numeric_limits<int>::min()); },
       kInvalidProcedureCall},
      {"StyleOutsideItsList", [&] { widget_.setEnglishDateStyle(99); }, 0},
      {"FontWithoutFamilyOrSize", [&] { widget_.setEnglishFont(QFont(QString(), -1)); }, 0},
      {"OnePixel", [&] { widget_.resize(1, 1); }, -1},
      {"Huge", [&] { widget_.resize(10000, 10000); }, -1},
  };
  for (const Case& c : cases) {
    widget_.newDocument();
    c.set();
    const std::vector<int> errors = TakeErrors();
    if (c.error == 0) {
      EXPECT_TRUE(errors.empty()) << c.name;
    } else if (c.error > 0) {
      EXPECT_EQ(errors, std::vector<int>{c.error}) << c.name;
    } else {
      for (const int number : errors) {
        EXPECT_TRUE(number == kInvalidProcedureCall || number == kOverflow ||
                    number == kSubscriptOutOfRange || number == kTypeMismatch)
            << c.name << ": " << number;
      }
    }
    EXPECT_FALSE(widget_.grab().isNull()) << c.name;
  }
  // Whatever happened before, a fresh instance works as ever.
  widget_.resize(widget_.sizeHint());
  widget_.newDocument();
  QSignalSpy clicks(&widget_, &SauramitiWidget::clicked);
  QTest::mouseClick(Cell(1).Widget(), Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(widget_.value(), QStringLiteral("2059/01/02/2"));
}

TEST_F(WidgetTest, ADesignTimeWeekdayStyleTooLargeForTheFontFormulaIsAnOverflow) {
  widget_.setUserMode(false);
  widget_.setWeekDayStyle(std::numeric_limits<int>::max());
  EXPECT_EQ(TakeErrors(), std::vector<int>{kOverflow});
  EXPECT_EQ(widget_.weekDayStyle(), QVariant(std::numeric_limits<int>::max()));
}

struct KeyCase {
  std::string name;
  bool vertical;
  std::vector<Qt::Key> keys;
  int focusedCell;
};

class WidgetKeyboardTest : public WidgetTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(WidgetKeyboardTest, ArrowsMoveTheFocusMarkOverEnabledCells) {
  const KeyCase& c = GetParam();
  widget_.setVertical(c.vertical);
  widget_.setFocus();
  ASSERT_EQ(widget_.focusedCell(), 14) << "the mark starts on the selected day";
  for (const Qt::Key key : c.keys) QTest::keyClick(&widget_, key);
  EXPECT_EQ(widget_.focusedCell(), c.focusedCell);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WidgetKeyboardTest,
    testing::Values(KeyCase{"HorizontalRight", false, {Qt::Key_Right}, 15},
                    KeyCase{"HorizontalDown", false, {Qt::Key_Down, Qt::Key_Down}, 28},
                    KeyCase{"HorizontalDownStopsAtTheEmptyTail",
                            false,
                            {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down},
                            28},
                    KeyCase{"VerticalDown", true, {Qt::Key_Down}, 15},
                    KeyCase{"VerticalRight", true, {Qt::Key_Right, Qt::Key_Right}, 28},
                    KeyCase{"VerticalLeftThenUp", true, {Qt::Key_Left, Qt::Key_Up}, 6},
                    KeyCase{"StopsAtTheFirstCell",
                            false,
                            {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left},
                            0}),
    [](const testing::TestParamInfo<KeyCase>& test) { return test.param.name; });

TEST_F(WidgetTest, EnterAndSpaceClickTheMarkedCellOnce) {
  widget_.setVertical(false);
  widget_.setFocus();
  QSignalSpy clicks(&widget_, &SauramitiWidget::clicked);
  QTest::keyClick(&widget_, Qt::Key_Right);
  QTest::keyClick(&widget_, Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(widget_.value(), QStringLiteral("2059/01/16/2"));
  QTest::keyClick(&widget_, Qt::Key_Down);
  QTest::keyClick(&widget_, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 2);
  EXPECT_EQ(widget_.value(), QStringLiteral("2059/01/23/2"));
  EXPECT_EQ(HighlightedCell(), 22);
}

TEST_F(WidgetTest, PageKeysTurnTheMonthAndTheYearAtItsEnds) {
  widget_.setFocus();
  QSignalSpy clicks(&widget_, &SauramitiWidget::clicked);
  QTest::keyClick(&widget_, Qt::Key_PageUp);  // Vaishaka 2059 -> Chaitra 2058
  EXPECT_EQ(widget_.year(), 2058);
  EXPECT_EQ(widget_.month(), 12);
  EXPECT_EQ(Months().ShownText(), QStringLiteral("Chaitra"));
  QTest::keyClick(&widget_, Qt::Key_PageDown);  // back to Vaishaka 2059
  QTest::keyClick(&widget_, Qt::Key_PageDown);
  EXPECT_EQ(widget_.year(), 2059);
  EXPECT_EQ(widget_.month(), 2);
  EXPECT_EQ(CellShowing("1"), widget_.control().GetFirstWeekDay(2059, 2) - 1);
  EXPECT_GE(widget_.focusedCell(), 0);
  EXPECT_TRUE(Cell(widget_.focusedCell()).Enabled());
  EXPECT_EQ(clicks.count(), 0) << "turning pages picks no date";
  EXPECT_EQ(widget_.value(), QStringLiteral("2059/01/15/1"));
}

TEST_F(WidgetTest, PageKeysStopAtTheEndsOfTheYearList) {
  widget_.setMinYear(2059);
  widget_.setMaxYear(2059);
  widget_.setFocus();
  QTest::keyClick(&widget_, Qt::Key_PageUp);
  EXPECT_EQ(widget_.month(), 1);
  EXPECT_EQ(widget_.year(), 2059);
}

}  // namespace
}  // namespace sauramiti::qt
