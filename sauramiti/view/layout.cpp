#include <cmath>
#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/base/rounding.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/view/layout.hpp>

namespace sauramiti::view {

namespace {

// A width or height for a child. Below the smallest workable size the formulas go negative; a
// child then gets 0 instead (NaN, from infinite surface sizes, also becomes 0).
float SizeTwips(double twips) { return ToSingle(twips > 0.0 ? twips : 0.0); }

// A left or top position: handed over as computed, only rounded to a single.
float PositionTwips(double twips) { return ToSingle(twips); }

// A font size: at least 1 point, so that a tiny control still asks its toolkit for a real font.
float FontPoints(double points) { return ToSingle(points >= 1.0 ? points : 1.0); }

double Area(const platform::ChildControl& control) {
  return static_cast<double>(control.Height()) * static_cast<double>(control.Width());
}

// Divides as floating-point division does in the control's conventions: a zero divisor is
// run-time error 11 rather than an infinity.
double Divide(double numerator, std::int32_t divisor) {
  if (divisor == 0) Raise(kDivisionByZero);
  return numerator / divisor;
}

// Bands across the weeks: the header band and one per week; `cells` day cells are placed.
struct Bands {
  double count;       // 6, or 7 with six weeks
  std::size_t cells;  // 35, or 42
};

void ArrangeHorizontal(const ChildControls& c, Bands bands) {
  const platform::Frame& frame2 = *c.Frame2;
  platform::Label& header0 = *c.lblWD[0];
  for (std::size_t i = 0; i < kHeaderCount; ++i) {
    platform::Label& header = *c.lblWD[i];
    header.Width(SizeTwips(frame2.Width() / 7.0));
    header.Height(SizeTwips(frame2.Height() / bands.count));
    header.Left(PositionTwips(static_cast<double>(header0.Width()) * static_cast<double>(i)));
    header.Top(1.0F);
  }
  const platform::Label& header1 = *c.lblWD[1];
  for (std::size_t j = 0; j < bands.cells; ++j) {
    platform::Label& cell = *c.lblDay[j];
    const std::size_t week = j / 7;                     // whole weeks: integer division
    const double band = static_cast<double>(week + 1);  // the week's band, 1 to 5 (or 6)
    cell.Width(header1.Width());
    cell.Height(header1.Height());
    cell.Top(PositionTwips(band * frame2.Height() / bands.count));
    cell.Left(c.lblWD[j % 7]->Left());
  }
}

void ArrangeVertical(const ChildControls& c, Bands bands) {
  const platform::Frame& frame2 = *c.Frame2;
  platform::Label& header0 = *c.lblWD[0];
  for (std::size_t i = 0; i < kHeaderCount; ++i) {
    platform::Label& header = *c.lblWD[i];
    header.Height(SizeTwips(frame2.Height() / 7.0));
    header.Width(SizeTwips(frame2.Width() / bands.count));
    header.Left(PositionTwips(static_cast<double>(frame2.Left()) + 1.0));
    header.Top(PositionTwips(static_cast<double>(header0.Height()) * static_cast<double>(i)));
  }
  const platform::Label& header1 = *c.lblWD[1];
  for (std::size_t j = 0; j < bands.cells; ++j) {
    platform::Label& cell = *c.lblDay[j];
    const std::size_t week = j / 7;  // whole weeks: integer division
    const double band = static_cast<double>(week + 1);
    cell.Width(SizeTwips(frame2.Width() / bands.count));
    cell.Height(header1.Height());
    cell.Left(PositionTwips(band * frame2.Width() / bands.count));
    cell.Top(c.lblWD[j % 7]->Top());
  }
}

}  // namespace

void ArrangeView(const platform::Host& host, const ChildControls& c, std::int16_t Vertical,
                 std::int32_t weekDayStyle, std::int16_t sixWeeks) {
  const double W = host.Width();
  const double H = host.Height();

  platform::Frame& frame1 = *c.Frame1;
  frame1.Height(SizeTwips(H - 1));
  frame1.Width(SizeTwips(W - 1));
  frame1.Left(1.0F);
  frame1.Top(1.0F);

  c.Label2->Visible(true);

  platform::Label& label1 = *c.Label1;
  label1.Left(frame1.Left());
  label1.Width(SizeTwips(W));
  label1.Height(SizeTwips(H * 0.1));
  label1.Top(frame1.Top());

  platform::Label& label2 = *c.Label2;
  label2.Left(frame1.Left());
  label2.Top(label1.Height());
  label2.Height(SizeTwips(H * 0.1));
  label2.Width(SizeTwips(W));

  c.cboYear->Left(0.0F);
  c.cboYear->Width(SizeTwips(W / 2));
  c.cboYear->Top(PositionTwips(H * 0.2));

  c.CBoMonth->Left(PositionTwips(W * 0.5));
  c.CBoMonth->Width(SizeTwips(W / 2));
  c.CBoMonth->Top(PositionTwips(H * 0.2));

  // Frame2 takes what the panels and the lists leave; a combo box's height follows from its font
  // and is only read.
  platform::Frame& frame2 = *c.Frame2;
  frame2.Width(SizeTwips(W - 1));
  const double h1 = label1.Height();
  const double hy = c.cboYear->Height();
  frame2.Height(SizeTwips(H - 2 * h1 - hy - 1));
  frame2.Top(PositionTwips(2 * h1 + hy - 1));
  frame2.Left(1.0F);

  const Bands bands = sixWeeks != 0 ? Bands{7.0, kMaxDayCellCount} : Bands{6.0, kDayCellCount};
  if (Vertical == 0) {
    ArrangeHorizontal(c, bands);
  } else if (Vertical == -1) {
    ArrangeVertical(c, bands);
  }
  ScaleFonts(c, weekDayStyle);
}

void ScaleFonts(const ChildControls& c, std::int32_t weekDayStyle) {
  const double a = std::sqrt(Area(*c.lblWD[0]));
  const double b = std::sqrt(Area(*c.lblDay[0]));
  const double panels = std::sqrt(Area(*c.Label1));

  // Long weekday names need a smaller font than the three-letter ones.
  const std::int32_t headerDivisor = Add32(Mul32(weekDayStyle, 20), 40);
  const float headerPoints = FontPoints(Divide(a, headerDivisor));
  for (const auto& header : c.lblWD) header->FontSize(headerPoints);

  const float cellPoints = FontPoints(b / 40);
  for (const auto& cell : c.lblDay) cell->FontSize(cellPoints);

  const float panelPoints = FontPoints(panels / 100);
  c.Label1->FontSize(panelPoints);
  c.Label2->FontSize(panelPoints);
  c.cboYear->FontSize(panelPoints);
  c.CBoMonth->FontSize(panelPoints);
}

}  // namespace sauramiti::view
