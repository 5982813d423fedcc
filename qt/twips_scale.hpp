// Twips and pixels.
//
// The control measures everything in twips, 1/1440 of an inch; Qt places widgets in logical
// pixels. A screen with a logical resolution of D dots per inch has D / 1440 pixels per twip (at
// the common 96 dpi, 15 twips make one pixel). The children keep the twips values exactly as the
// control set them, so a read gives back what was set; only the widget on screen sits at the
// nearest whole pixel. A rectangle is rounded at both of its edges, not at its size, so that
// cells laid edge to edge in twips stay edge to edge on screen without gaps or overlaps.
//
// Any float the control hands over has a place: NaN counts as 0, and values beyond what a widget
// can take are held at Qt's widget-size limit.
#pragma once

#include <QRect>

namespace sauramiti::qt {

class TwipsScale {
 public:
  static constexpr double kTwipsPerInch = 1440.0;
  static constexpr double kFallbackDotsPerInch = 96.0;

  // A resolution that is not a positive number falls back to 96 dpi.
  TwipsScale(double dotsPerInchX, double dotsPerInchY);

  int ToPixelsX(double twips) const noexcept;
  int ToPixelsY(double twips) const noexcept;
  float ToTwipsX(int pixels) const noexcept;
  float ToTwipsY(int pixels) const noexcept;

  // The pixel rectangle of a child at left/top with width/height, all in twips. A negative or NaN
  // width or height gives an empty rectangle.
  QRect ToPixelRect(double left, double top, double width, double height) const noexcept;

 private:
  double pixelsPerTwipX_;
  double pixelsPerTwipY_;
};

}  // namespace sauramiti::qt
