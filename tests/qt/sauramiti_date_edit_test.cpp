// The date field as a person meets it: typing checked at each keystroke, the drop-down picker
// opened and closed from the keyboard, a day picked with the mouse, stepping, Devanagari.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <qt/qt_label.hpp>
#include <qt/sauramiti_date_edit.hpp>
#include <qt/sauramiti_widget.hpp>
#include <qt/typed_date_validator.hpp>
#include <string>
#include <vector>

namespace sauramiti::qt {
namespace {

// Poush 2081 starts the field; its length decides what a day past its end is.
class DateEditTest : public testing::Test {
 protected:
  void SetUp() override {
    field_.setDate(kStart);
    field_.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&field_));
    field_.lineEdit()->setFocus();
    QObject::connect(&field_, &SauramitiDateEdit::dateChanged,
                     [this](const bs::year_month_day& date) { changes_.push_back(date); });
  }

  // Types `text` into an emptied line edit, key by key, as a person would.
  QString Typed(const QString& text) {
    field_.lineEdit()->clear();
    for (const QChar c : text) {
      // QTest's key clicks know ASCII only; a Devanagari digit comes as a key with its text.
      if (c.unicode() < 0x80) {
        QTest::keyClick(field_.lineEdit(), c.toLatin1());
      } else {
        QTest::sendKeyEvent(QTest::Click, field_.lineEdit(), Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
      }
    }
    return field_.lineEdit()->text();
  }

  // The popup picker's day cell that shows `day`.
  QWidget* CellOfDay(int day) {
    for (int j = 0; j < 42; ++j) {
      QtLabel* cell = field_.picker().label(QStringLiteral("lblDay(%1)").arg(j));
      if (cell != nullptr && cell->Caption() == std::to_string(day)) return cell->Widget();
    }
    return nullptr;
  }

  static constexpr bs::year_month_day kStart{2081, 9, 10};
  SauramitiDateEdit field_;
  std::vector<bs::year_month_day> changes_;
};

// The validator maps the typed-date reader's states (the typing tests below go through them key
// by key); a date pasted with blanks around it is taken without them, and an empty field is no
// mistake.
TEST_F(DateEditTest, TheValidatorTrimsBlanksAndTakesAnEmptyField) {
  const TypedDateValidator validator([] { return QStringLiteral("2081/09/10"); });
  for (const QString& text : {QStringLiteral(" 2081-09-15 "), QString()}) {
    QString input = text;
    int position = static_cast<int>(input.size());
    EXPECT_NE(validator.validate(input, position), QValidator::Invalid) << text.toStdString();
    EXPECT_EQ(input, text.trimmed());
  }
}

TEST_F(DateEditTest, TypingRefusesTheKeystrokeThatMakesNoDateAndEnterCommitsOnce) {
  EXPECT_EQ(Typed("2081-13"), "2081-1");
  EXPECT_EQ(Typed("2081-09-33"), "2081-09-3");
  EXPECT_TRUE(changes_.empty());  // nothing is the field's date before it is committed
  QTest::keyClick(field_.lineEdit(), Qt::Key_Return);
  EXPECT_EQ(field_.date(), (bs::year_month_day{2081, 9, 3}));
  EXPECT_EQ(field_.lineEdit()->text(), "2081/09/03");
  EXPECT_EQ(changes_, (std::vector<bs::year_month_day>{{2081, 9, 3}}));
  // Half a date left behind goes back to the field's date, with no change.
  Typed("2082-0");
  QTest::keyClick(field_.lineEdit(), Qt::Key_Return);
  EXPECT_EQ(field_.lineEdit()->text(), "2081/09/03");
  EXPECT_EQ(changes_.size(), 1U);
}

TEST_F(DateEditTest, UpAndDownStepADayFromTheTypedDate) {
  QTest::keyClick(field_.lineEdit(), Qt::Key_Up);
  EXPECT_EQ(field_.date(), (bs::year_month_day{2081, 9, 11}));
  Typed("2081-10-01");
  QTest::keyClick(field_.lineEdit(), Qt::Key_Down);
  const bs::year_month_day lastOfPoush{2081, 9, bs::days_in_month(2081, 9)};
  EXPECT_EQ(field_.date(), lastOfPoush);
  // One change for each step: the typed date is not a change of its own.
  EXPECT_EQ(changes_, (std::vector<bs::year_month_day>{{2081, 9, 11}, lastOfPoush}));
  Typed("2081-1");
  QTest::keyClick(field_.lineEdit(), Qt::Key_Up);  // half a date: nothing to step
  EXPECT_EQ(field_.date(), lastOfPoush);
}

TEST_F(DateEditTest, AltDownOpensEscapeClosesAndTheFocusReturns) {
  for (const auto& open : {QKeyCombination(Qt::AltModifier, Qt::Key_Down),
                           QKeyCombination(Qt::NoModifier, Qt::Key_F4)}) {
    QTest::keyClick(field_.lineEdit(), open.key(), open.keyboardModifiers());
    ASSERT_TRUE(field_.isPopupShown());
    EXPECT_EQ(field_.picker().selectedDate(), kStart);
    EXPECT_EQ(QApplication::focusWidget(), &field_.picker());
    QTest::keyClick(&field_.picker(), Qt::Key_Escape);
    EXPECT_FALSE(field_.isPopupShown());
    EXPECT_EQ(QApplication::focusWidget(), field_.lineEdit());
  }
  EXPECT_EQ(field_.date(), kStart);
  EXPECT_TRUE(changes_.empty());
}

TEST_F(DateEditTest, AClickOnADayInTheDropDownSetsTheFieldOnce) {
  QTest::mouseClick(field_.dropDownButton(), Qt::LeftButton);
  ASSERT_TRUE(field_.isPopupShown());
  QWidget* cell = CellOfDay(20);
  ASSERT_NE(cell, nullptr);
  QTest::mouseClick(cell, Qt::LeftButton);
  EXPECT_FALSE(field_.isPopupShown());
  EXPECT_EQ(field_.date(), (bs::year_month_day{2081, 9, 20}));
  EXPECT_EQ(field_.lineEdit()->text(), "2081/09/20");
  EXPECT_EQ(changes_, (std::vector<bs::year_month_day>{{2081, 9, 20}}));
  EXPECT_EQ(QApplication::focusWidget(), field_.lineEdit());
}

TEST_F(DateEditTest, DevanagariDigitsAreTypedAndShownInNepali) {
  Typed(QString::fromUtf8("२०८१/९/१५"));
  QTest::keyClick(field_.lineEdit(), Qt::Key_Return);
  EXPECT_EQ(field_.date(), (bs::year_month_day{2081, 9, 15}));
  EXPECT_EQ(field_.lineEdit()->text(), "2081/09/15");  // shown in the picker's language
  field_.picker().setEnglish(false);
  EXPECT_EQ(field_.lineEdit()->text(), QString::fromUtf8("२०८१/०९/१५"));
  field_.picker().setSeparator(1);
  EXPECT_EQ(field_.lineEdit()->text(), QString::fromUtf8("२०८१-०९-१५"));
  EXPECT_EQ(changes_.size(), 1U);
}

TEST_F(DateEditTest, SetDateIgnoresWhatIsNoDayAndSignalsOnlyRealChanges) {
  field_.setDate({2081, 13, 1});
  field_.setDate({2081, 9, 33});
  field_.setDate(kStart);
  EXPECT_TRUE(changes_.empty());
  field_.setDate({2082, 1, 1});
  EXPECT_EQ(changes_, (std::vector<bs::year_month_day>{{2082, 1, 1}}));
  EXPECT_EQ(field_.lineEdit()->text(), "2082/01/01");
}

TEST_F(DateEditTest, ADateBeyondThePickersYearListStaysTheFieldsOwn) {
  std::vector<int> errors;
  QObject::connect(&field_.picker(), &SauramitiWidget::errorRaised,
                   [&errors](int number, const QString&) { errors.push_back(number); });
  field_.setDate({1500, 1, 1});
  QTest::keyClick(field_.lineEdit(), Qt::Key_F4);
  ASSERT_TRUE(field_.isPopupShown());
  QTest::keyClick(&field_.picker(), Qt::Key_Escape);
  EXPECT_EQ(field_.date(), (bs::year_month_day{1500, 1, 1}));
  EXPECT_EQ(field_.lineEdit()->text(), "1500/01/01");
  EXPECT_EQ(changes_, (std::vector<bs::year_month_day>{{1500, 1, 1}}));
  EXPECT_TRUE(errors.empty());  // the picker takes the date, though its list lacks the year
}

// The field's days are the picker's calendar's: Asar 2082 has a 32nd day only in the published
// calendar, and a change of calendar keeps the field's day under its new name.
TEST_F(DateEditTest, TheFieldFollowsThePickersCalendar) {
  EXPECT_EQ(Typed("2082-03-32"), "2082-03-3");
  field_.picker().setCalendar(1);
  EXPECT_EQ(Typed("2082-03-32"), "2082-03-32");
  QTest::keyClick(field_.lineEdit(), Qt::Key_Return);
  EXPECT_EQ(field_.date(), (bs::year_month_day{2082, 3, 32}));
  QTest::keyClick(field_.lineEdit(), Qt::Key_Up);
  EXPECT_EQ(field_.date(), (bs::year_month_day{2082, 4, 1}));
  field_.picker().setCalendar(0);  // published Shrawan 1 is the model's Shrawan 2
  EXPECT_EQ(field_.date(), (bs::year_month_day{2082, 4, 2}));
  EXPECT_EQ(field_.lineEdit()->text(), "2082/04/02");
  EXPECT_EQ(changes_, (std::vector<bs::year_month_day>{{2082, 3, 32}, {2082, 4, 1}, {2082, 4, 2}}));
}

}  // namespace
}  // namespace sauramiti::qt
