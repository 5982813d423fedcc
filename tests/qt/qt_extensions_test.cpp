// The widget's extension properties as a user sees them drawn. What each one sets in the cells
// (captions, corners, outlines, colours) is the control's tests'; the Qt properties' values are
// widget_properties_test's.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <qt/qt_label.hpp>
#include <qt/sauramiti_widget.hpp>
#include <string>

namespace sauramiti::qt {
namespace {

class ExtensionsTest : public testing::Test {
 protected:
  void SetUp() override {
    widget_.setToday(QDate(2002, 4, 28));
    widget_.newDocument();
    widget_.resize(widget_.sizeHint());
    widget_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget_));
  }
  QtLabel& Cell(int j) { return *widget_.label(QString("lblDay(%1)").arg(j)); }

  SauramitiWidget widget_;
};

// A month whose last days run past cell 34 shows them in a sixth column (the default vertical
// arrangement) instead of wrapping them to the first cells; off again, the column is gone.
TEST_F(ExtensionsTest, SixWeeksDrawsASixthColumnOfDays) {
  const int first = 7, days = 32;  // Asadh 2059 starts on a Saturday and runs to cell 37
  const char* value = "2059/03/01/7";
  EXPECT_FALSE(Cell(35).Widget()->isVisible());

  widget_.setSixWeeks(true);
  widget_.setValue(value);
  const int lastCell = first - 1 + days - 1;
  for (int j = 0; j < 42; ++j) EXPECT_TRUE(Cell(j).Widget()->isVisible()) << j;
  // The sixth column lies right of the fifth, in line with it, and inside the widget.
  const QRect fifth = Cell(28).Widget()->geometry(), sixth = Cell(35).Widget()->geometry();
  EXPECT_GT(sixth.left(), fifth.left());
  EXPECT_EQ(sixth.top(), fifth.top());
  EXPECT_LE(Cell(lastCell).Widget()->mapTo(&widget_, QPoint(0, 0)).x() + sixth.width(),
            widget_.width() + 1);
  QTest::mouseClick(Cell(lastCell).Widget(), Qt::LeftButton);
  EXPECT_EQ(widget_.property("Day").toInt(), days);

  widget_.setSixWeeks(false);
  for (int j = 35; j < 42; ++j) EXPECT_FALSE(Cell(j).Widget()->isVisible()) << j;
}

// Each day cell paints its Gregorian day small in its top right corner (what the corner and the
// panel say is the control's tests').
TEST_F(ExtensionsTest, ShowGregorianDayPaintsTheGregorianDayInACorner) {
  const auto topRight = [this] {
    const QImage image = Cell(0).Widget()->grab().toImage();
    return image.copy(image.width() / 2, 0, image.width() / 2, image.height() / 2);
  };
  const QImage plain = topRight();
  widget_.setShowGregorianDay(true);
  EXPECT_NE(topRight(), plain);
  widget_.setShowGregorianDay(false);
  EXPECT_EQ(topRight(), plain);
}

// Whether any pixel of `image` has exactly the colour `rgb`.
bool HasColour(const QImage& image, QRgb rgb) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFFU) == (rgb & 0xFFFFFFU)) return true;
    }
  }
  return false;
}

// Today (28 April 2002, Vaishaka 15, cell 14) is framed in a colour of its own, apart from the
// selection, which has moved to day 3.
TEST_F(ExtensionsTest, MarkTodayFramesTodaysCell) {
  widget_.setValue("2059/01/03/3");
  const QRgb frame = qRgb(0xD0, 0x40, 0x00);
  EXPECT_FALSE(HasColour(Cell(14).Widget()->grab().toImage(), frame));
  widget_.setMarkToday(true);
  EXPECT_TRUE(HasColour(Cell(14).Widget()->grab().toImage(), frame));
  EXPECT_FALSE(HasColour(Cell(2).Widget()->grab().toImage(), frame));
  widget_.setMarkToday(false);
  EXPECT_FALSE(HasColour(Cell(14).Widget()->grab().toImage(), frame));
}

// The Saturday cells are drawn in the holiday colour; the weekdays keep black.
TEST_F(ExtensionsTest, HolidayForeColorDrawsSaturdays) {
  widget_.setHolidayForeColor(0x0000C0);  // the control's 0x00BBGGRR: a dark red
  EXPECT_TRUE(HasColour(Cell(6).Widget()->grab().toImage(), qRgb(0xC0, 0, 0)));
  EXPECT_FALSE(HasColour(Cell(5).Widget()->grab().toImage(), qRgb(0xC0, 0, 0)));
}

// In Nepali, the panel's Gregorian months are joined by characters the legacy font draws as
// themselves, so the Devanagari shown has no stray letters where "(", "/" and ")" would be.
TEST_F(ExtensionsTest, NepaliGregorianMonthsReadAsMonths) {
  widget_.setEnglish(false);
  widget_.setShowGregorianDay(true);
  const QString panel = widget_.label("Label2")->ShownCaption();
  EXPECT_TRUE(panel.contains(QString::fromUtf8("अप्रिल-मे"))) << panel.toStdString();
  EXPECT_FALSE(panel.contains(QString::fromUtf8("ढ"))) << panel.toStdString();
}

}  // namespace
}  // namespace sauramiti::qt
