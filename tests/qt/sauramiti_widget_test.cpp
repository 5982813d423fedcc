// The Sauramiti widget as a user and a host meet it: the month it shows, mouse and keyboard, the
// mode rules, Nepali drawn as Devanagari, documents, and hostile property values.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <limits>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_label.hpp>
#include <qt/sauramiti_widget.hpp>
#include <sauramiti/document/document_error.hpp>
#include <sauramiti/document/refused_value.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <set>
#include <string>
#include <vector>

namespace sauramiti::qt {
namespace {

QString Devanagari(const std::string& text) { return ToQString(view::LegacyFontToUnicode(text)); }

// Today is 28 April 2002, BS 2059/01/15, a Sunday. Vaishaka 2059 has 31 days and starts on a
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
  QString Panel1() { return widget_.label("Label1")->ShownCaption(); }
  template <typename Test>
  std::vector<int> CellsWhere(Test test) {
    std::vector<int> found;
    for (int j = 0; j < 35; ++j) {
      if (test(Cell(j))) found.push_back(j);
    }
    return found;
  }
  std::vector<int> DayOne() {
    return CellsWhere([](auto& c) { return c.Caption() == "1"; });
  }
  std::vector<int> TakeErrors() { return std::exchange(errors_, {}); }

  SauramitiWidget widget_;
  std::vector<int> errors_;
};

TEST_F(WidgetTest, ShowsTheSelectedMonth) {
  EXPECT_EQ(widget_.value(), "2059/01/15/1");
  EXPECT_EQ(Years().ShownText(), "2059");
  EXPECT_EQ(Months().ShownText(), "Vaishaka");
  for (int j = 0; j < 35; ++j) {
    EXPECT_EQ(Cell(j).ShownCaption(), j < 31 ? QString::number(j + 1) : QString()) << j;
    EXPECT_EQ(Cell(j).Widget()->isEnabled(), j < 31) << j;
  }
  EXPECT_EQ(Header(0).ShownCaption(), "Sun");
  EXPECT_EQ(Panel1(), widget_.dateValue());
  EXPECT_EQ(CellsWhere([](auto& c) { return c.S3() == 0; }), std::vector<int>{14});
  const QRgb painted = Cell(14).Widget()->grab().toImage().pixel(3, 3);
  EXPECT_EQ(painted, widget_.palette().color(QPalette::Dark).rgb());
}

TEST_F(WidgetTest, TheListsTurnPagesAndTypingIntoThemChangesNothing) {
  QSignalSpy changes(&widget_, &SauramitiWidget::propertyChanged);
  for (QtComboBox* list : {&Years(), &Months()}) {
    list->Combo()->setFocus();
    QTest::keyClicks(list->Combo(), "2061x ");
    QTest::keyClick(list->Combo(), Qt::Key_Backspace);
    QTest::keyClick(list->Combo(), Qt::Key_Delete);
  }
  EXPECT_EQ(Years().Combo()->currentText(), "2059");
  EXPECT_EQ(Months().Text(), "Vaishaka");
  EXPECT_EQ(changes.count(), 0);

  QTest::keyClick(Months().Combo(), Qt::Key_Down);
  EXPECT_EQ(Months().ShownText(), "Jestha");
  EXPECT_EQ(DayOne(), std::vector<int>{widget_.control().GetFirstWeekDay(2059, 2) - 1});
  Years().Combo()->showPopup();  // opening a list empties the grid and the panels
  EXPECT_EQ(DayOne(), std::vector<int>{});
  EXPECT_EQ(Panel1(), QString());
  Years().Combo()->hidePopup();
  ASSERT_TRUE(Years().Choose(Years().ListIndex() + 1));
  EXPECT_EQ(widget_.year(), 2060);
  EXPECT_EQ(DayOne(), std::vector<int>{widget_.control().GetFirstWeekDay(2060, 2) - 1});
}

TEST_F(WidgetTest, SaveAndLoadBringBackTheSettings) {
  QTemporaryDir dir;
  const QString path = dir.filePath("picker.json");
  widget_.setMinYear(2050);
  widget_.setMaxYear(QStringLiteral("2070"));
  widget_.save(path);
  widget_.newDocument();
  widget_.load(path);
  EXPECT_EQ(widget_.minYear(), 2050);
  EXPECT_EQ(widget_.maxYear(), QVariant(QStringLiteral("2070"))) << "kept as text";
  EXPECT_EQ(Years().ListCount(), 21);

  EXPECT_THROW(widget_.load(dir.filePath("missing.json")), document::DocumentError);
  EXPECT_EQ(Years().List(0), "2050");
}

// A document the control cannot take leaves the picker as it was: its settings, its enabled
// surface, its children on screen; the error names the file, the key, the value and the number.
TEST_F(WidgetTest, AFailedLoadLeavesThePickerAsItWas) {
  QTemporaryDir dir;
  const struct {
    const char* name;
    const char* document;
    int number;
    const char* key;
  } cases[] = {
      {"a value of the wrong type",
       R"({"Enabled": {"type": "Boolean", "value": false}, "MinYear": {"type": "String",)"
       R"( "value": "abc"}})",
       kTypeMismatch, "\"MinYear\""},
      {"a value the view cannot draw", R"({"MaxYear": {"type": "String", "value": "abc"}})",
       kTypeMismatch, "\"MaxYear\""},
      {"a font reference to no font", R"({"EnglishFont": {"type": "Font", "value": null}})", 91,
       "\"EnglishFont\""},
  };
  widget_.setMinYear(2050);
  QTest::mouseClick(Cell(20).Widget(), Qt::LeftButton);
  for (const auto& c : cases) {
    const QString path = dir.filePath("bad.json");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.document);
    file.close();
    try {
      widget_.load(path);
      ADD_FAILURE() << c.name << ": loaded";
    } catch (const document::ValueRefusedError& error) {
      EXPECT_EQ(error.Number(), c.number) << c.name;
      const std::string message = error.what();
      EXPECT_EQ(message.rfind(path.toStdString() + ": key " + c.key, 0), 0U) << message;
    }
    EXPECT_EQ(widget_.minYear(), 2050) << c.name;
    EXPECT_EQ(widget_.value(), "2059/01/21/7") << c.name;
    EXPECT_TRUE(widget_.isEnabled()) << c.name;
    EXPECT_EQ(Years().List(0), "2050") << c.name;
    EXPECT_TRUE(Cell(20).Widget()->isVisible()) << c.name;
    EXPECT_TRUE(TakeErrors().empty()) << c.name;
  }
}

// New and loaded pickers in a widget already on screen show their children (they were made
// hidden, and the picker seemed to vanish).
TEST_F(WidgetTest, AReplacedPickerIsShownInAShownWidget) {
  QTemporaryDir dir;
  const QString path = dir.filePath("picker.json");
  widget_.save(path);
  for (const bool load : {false, true}) {
    if (load) {
      widget_.load(path);
    } else {
      widget_.newDocument();
    }
    for (const char* name : {"cboYear", "CBoMonth"}) {
      EXPECT_TRUE(widget_.comboBox(name)->Widget()->isVisible()) << name << load;
    }
    EXPECT_EQ(CellsWhere([](QtLabel& c) { return c.Widget()->isVisible(); }).size(), 35U) << load;
  }
}

TEST_F(WidgetTest, NepaliNamesAreDrawnAsDevanagariAndReadAsWritten) {
  widget_.setEnglish(false);
  widget_.setUserMode(false);  // the weekday style is a design-time setting
  for (int i = 0; i < 12; ++i) EXPECT_EQ(Months().ShownItem(i), Devanagari(Months().List(i)));
  for (const int style : {0, 1}) {
    widget_.setWeekDayStyle(style);
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(Header(i).ShownCaption(), Devanagari(Header(i).Caption()));
  }
  for (QtLabel* label : {widget_.label("Label1"), widget_.label("Label2"), &Cell(14)}) {
    EXPECT_EQ(label->ShownCaption(), Devanagari(label->Caption())) << label->Caption();
  }
  EXPECT_EQ(Years().ShownText(), "२०५९");
  widget_.setEnglish(true);  // English is never transcoded
  for (int i = 0; i < 12; ++i) EXPECT_EQ(Months().ShownItem(i), ToQString(Months().List(i)));
  EXPECT_EQ(Header(6).ShownCaption(), "Saturday");
  EXPECT_TRUE(TakeErrors().empty());
}

// Each Qt key reaches the navigator, and its answer the focus mark and the clicked signal; the
// walks, the stops at the grid's edges and the refusals are the navigator's own tests.
TEST_F(WidgetTest, KeysMoveTheMarkClickItAndTurnPages) {
  const Qt::Key L = Qt::Key_Left, R = Qt::Key_Right, U = Qt::Key_Up, D = Qt::Key_Down,
                PgUp = Qt::Key_PageUp, PgDn = Qt::Key_PageDown, Enter = Qt::Key_Return,
                Home = Qt::Key_Home, End = Qt::Key_End;
  const QString today = "2059/01/15/1";
  const struct {
    const char* name;
    bool vertical;
    std::vector<Qt::Key> keys;
    int mark;       // the focused cell, -1 for any enabled one
    QString value;  // a click on the mark picks another day
    int page;       // year * 100 + month
  } cases[] = {
      {"RightIsTheNextDayEnterClicksIt", false, {R, Enter}, 15, "2059/01/16/2", 205901},
      {"VerticalRightIsTheNextWeek", true, {R}, 21, today, 205901},
      {"DownIsTheNextWeekSpaceClicksIt", false, {D, Qt::Key_Space}, 21, "2059/01/22/1", 205901},
      {"UpIsTheWeekBeforeLeftTheDayBefore", false, {U, L}, 6, today, 205901},
      {"HomeIsTheMonthsFirstDay", true, {Home}, 0, today, 205901},
      {"EndIsTheMonthsLastDay", true, {End, Enter}, 30, "2059/01/31/3", 205901},
      {"PageUpCrossesIntoLastYear", false, {PgUp}, -1, today, 205812},
      {"PageDownIsTheNextMonth", false, {PgDn}, -1, today, 205902},
  };
  QSignalSpy clicks(&widget_, &SauramitiWidget::clicked);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    widget_.clearFocus();
    widget_.newDocument();
    widget_.setVertical(c.vertical);
    widget_.setFocus();
    ASSERT_EQ(widget_.focusedCell(), 14) << "the mark starts on the selected day";
    clicks.clear();
    for (const Qt::Key key : c.keys) QTest::keyClick(&widget_, key);
    EXPECT_EQ(widget_.focusedCell(), c.mark < 0 ? widget_.focusedCell() : c.mark);
    EXPECT_TRUE(widget_.focusedCell() >= 0 && Cell(widget_.focusedCell()).Enabled());
    EXPECT_EQ(clicks.count(), c.value == today ? 0 : 1);
    EXPECT_EQ(widget_.value(), c.value);
    EXPECT_EQ(widget_.year() * 100 + widget_.month(), c.page);
  }
  // In design mode the keys go past the picker, on to the form that hosts it.
  widget_.setUserMode(false);
  QKeyEvent home(QEvent::KeyPress, Home, Qt::NoModifier);
  QApplication::sendEvent(&widget_, &home);
  EXPECT_FALSE(home.isAccepted());
  EXPECT_EQ(widget_.focusedCell(), -1);
}

TEST_F(WidgetTest, HostileValuesEndInAValueOrANumberedError) {
  const int kAny = -1, kNone = 0, kIntMax = std::numeric_limits<int>::max();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* name;
    std::function<void()> set;
    int error;
  } cases[] = {
      {"MinYearPast16Bits", [&] { widget_.setMinYear(40000); }, kOverflow},
      {"JulianDateNaN", [&] { widget_.setJulianDate(nan); }, kNone},
      {"LowestSeparator", [&] { widget_.setSeparator(-kIntMax - 1); }, kInvalidProcedureCall},
      {"ValueOfBrokenText", [&] { widget_.setValue(QString::fromLatin1("\xff\xfe/zz")); }, kAny},
      {"OnePixel", [&] { widget_.resize(1, 1); }, kAny},
      {"DesignTimeWeekdayStyleOverflowsTheFontFormula",
       [&] { widget_.setUserMode(false), widget_.setWeekDayStyle(kIntMax); }, kOverflow},
  };
  const std::set<int> numbered{kInvalidProcedureCall, kOverflow, kSubscriptOutOfRange,
                               kTypeMismatch};
  for (const auto& c : cases) {
    widget_.newDocument();
    c.set();
    const std::vector<int> errors = TakeErrors();
    if (c.error != kAny) {
      EXPECT_EQ(errors, std::vector<int>(c.error ? 1 : 0, c.error)) << c.name;
    }
    for (const int number : errors) EXPECT_EQ(numbered.count(number), 1U) << c.name << number;
    EXPECT_FALSE(widget_.grab().isNull()) << c.name;
  }
  widget_.setUserMode(true);  // whatever happened before, a fresh instance works as ever
  widget_.resize(widget_.sizeHint());
  widget_.newDocument();
  QTest::mouseClick(Cell(1).Widget(), Qt::LeftButton);
  EXPECT_EQ(widget_.value(), "2059/01/02/2");
}

// The selection as a typed BS date and as a QDate, and a typed date selected as a host would.
TEST_F(WidgetTest, TypedSelectionAndItsGregorianDay) {
  EXPECT_EQ(widget_.selectedDate(), (bs::year_month_day{2059, 1, 15}));  // today: 2002-04-28
  EXPECT_EQ(widget_.selectedGregorianDate(), QDate(2002, 4, 28));
  widget_.setSelectedDate({2081, 9, 15});
  EXPECT_EQ(widget_.value(), "2081/09/15/2");
  EXPECT_EQ(widget_.selectedGregorianDate(), QDate(2024, 12, 30));
  widget_.setValue("2059/01/45/3");
  EXPECT_FALSE(widget_.selectedGregorianDate().isValid());
}

}  // namespace
}  // namespace sauramiti::qt
