// How the picker looks where it is easy to get wrong: its smallest size still shows every text
// whole, and the keyboard's focus mark is an outline that can be seen.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_label.hpp>
#include <qt/sauramiti_widget.hpp>

namespace sauramiti::qt {
namespace {

struct Look {
  const char* name;
  bool english;
  bool vertical;
};
constexpr Look kLooks[] = {
    {"English, vertical", true, true},
    {"English, horizontal", true, false},
    {"Nepali, vertical", false, true},
    {"Nepali, horizontal", false, false},
};

// The width inside a label's one-pixel border: text wider than that is cut off.
int TextRoom(const QtLabel& label) { return label.Widget()->width() - 2; }

// Whether the picker shows every label's and both lists' text whole at its present size.
void ExpectEveryTextWhole(SauramitiWidget& picker, const char* look) {
  QStringList names;
  for (int i = 0; i < 7; ++i) names << QString("lblWD(%1)").arg(i);
  for (int j = 0; j < 35; ++j) names << QString("lblDay(%1)").arg(j);
  for (const QString& name : names) {
    const QtLabel* label = picker.label(name);
    ASSERT_NE(label, nullptr) << qPrintable(name);
    const auto* shown = static_cast<const LabelWidget*>(label->Widget());
    if (shown->text().isEmpty()) continue;
    const QFontMetrics metrics(shown->font());
    EXPECT_LE(metrics.horizontalAdvance(shown->text()), TextRoom(*label))
        << look << ": " << qPrintable(name) << " " << qPrintable(shown->text());
    EXPECT_LE(metrics.ascent(), shown->height()) << look << ": " << qPrintable(name);
  }
  for (const char* list : {"cboYear", "CBoMonth"}) {
    const QLineEdit* field = picker.comboBox(list)->Combo()->lineEdit();
    ASSERT_NE(field, nullptr);
    EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(field->text()), field->width())
        << look << ": " << list << " " << qPrintable(field->text());
  }
}

// A new document on screen, its clock on `today`, in `look`, at its minimum or its design size.
void Show(SauramitiWidget& picker, QDate today, const Look& look, bool minimum) {
  picker.setToday(today);
  picker.newDocument();
  picker.setEnglish(look.english);
  picker.setVertical(look.vertical);
  picker.resize(minimum ? picker.minimumSizeHint() : picker.sizeHint());
  picker.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
}

TEST(PickerSize, AtItsMinimumSizeHintEveryTextIsWhole) {
  for (const Look& look : kLooks) {
    SauramitiWidget picker;
    // Poush 2081: a month of 30 days over six columns.
    ASSERT_NO_FATAL_FAILURE(Show(picker, QDate(2024, 12, 30), look, true));
    EXPECT_GE(picker.minimumSizeHint().width(), picker.sizeHint().width() / 2);
    ExpectEveryTextWhole(picker, look.name);
  }
}

TEST(FocusMark, IsATwoPixelOutlineInTheHighlightColourInBothLanguages) {
  for (const Look& look : kLooks) {
    SauramitiWidget picker;
    // BS 2059/01/15: day cell 14 carries the selection.
    ASSERT_NO_FATAL_FAILURE(Show(picker, QDate(2002, 4, 28), look, false));
    picker.activateWindow();
    picker.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return picker.hasFocus(); })) << look.name;
    const int marked = picker.focusedCell();
    ASSERT_GE(marked, 0) << look.name;

    QWidget* cell = picker.label(QString("lblDay(%1)").arg(marked))->Widget();
    const QImage image = cell->grab().toImage();
    const QColor highlight = cell->palette().color(QPalette::Highlight);
    const int w = image.width();
    const int h = image.height();
    // The two pixels inside the cell's one-pixel border on every side, at the middle of the
    // side and at the corners.
    for (const QPoint p :
         {QPoint(1, h / 2), QPoint(2, h / 2), QPoint(w - 2, h / 2), QPoint(w - 3, h / 2),
          QPoint(w / 2, 1), QPoint(w / 2, 2), QPoint(w / 2, h - 2), QPoint(w / 2, h - 3),
          QPoint(1, 1), QPoint(w - 3, h - 3)}) {
      EXPECT_EQ(image.pixelColor(p).rgb(), highlight.rgb())
          << look.name << " at " << p.x() << "," << p.y();
    }
    EXPECT_NE(image.pixelColor(0, h / 2).rgb(), highlight.rgb())
        << look.name << ": the cell keeps its border";
    EXPECT_NE(image.pixelColor(4, h / 2).rgb(), highlight.rgb())
        << look.name << ": the outline is two pixels wide, not more";

    // Without the focus the cell shows no mark.
    picker.clearFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !picker.hasFocus(); }));
    EXPECT_NE(cell->grab().toImage().pixelColor(1, h / 2).rgb(), highlight.rgb()) << look.name;
  }
}

}  // namespace
}  // namespace sauramiti::qt
