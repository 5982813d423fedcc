#include <QWidget>
#include <algorithm>
#include <cmath>
#include <qt/twips_scale.hpp>

namespace sauramiti::qt {

namespace {

// Qt's largest widget coordinate; a rounded value is held inside +/- this limit.
constexpr double kPixelLimit = QWIDGETSIZE_MAX;

double UsableResolution(double dotsPerInch) {
  return std::isfinite(dotsPerInch) && dotsPerInch > 0.0 ? dotsPerInch
                                                         : TwipsScale::kFallbackDotsPerInch;
}

int RoundToPixel(double pixels) noexcept {
  if (std::isnan(pixels)) return 0;
  return static_cast<int>(std::nearbyint(std::clamp(pixels, -kPixelLimit, kPixelLimit)));
}

}  // namespace

TwipsScale::TwipsScale(double dotsPerInchX, double dotsPerInchY)
    : pixelsPerTwipX_(UsableResolution(dotsPerInchX) / kTwipsPerInch),
      pixelsPerTwipY_(UsableResolution(dotsPerInchY) / kTwipsPerInch) {}

int TwipsScale::ToPixelsX(double twips) const noexcept {
  return RoundToPixel(twips * pixelsPerTwipX_);
}

int TwipsScale::ToPixelsY(double twips) const noexcept {
  return RoundToPixel(twips * pixelsPerTwipY_);
}

float TwipsScale::ToTwipsX(int pixels) const noexcept {
  return static_cast<float>(pixels / pixelsPerTwipX_);
}

float TwipsScale::ToTwipsY(int pixels) const noexcept {
  return static_cast<float>(pixels / pixelsPerTwipY_);
}

QRect TwipsScale::ToPixelRect(double left, double top, double width, double height) const noexcept {
  const int x = ToPixelsX(left);
  const int y = ToPixelsY(top);
  // Rounding the far edges (rather than the sizes) keeps neighbouring cells flush. The sums are
  // doubles, so they cannot overflow; a NaN size rounds to an empty extent.
  const int right = std::isnan(width) ? x : ToPixelsX(left + width);
  const int bottom = std::isnan(height) ? y : ToPixelsY(top + height);
  return {x, y, std::max(0, right - x), std::max(0, bottom - y)};
}

}  // namespace sauramiti::qt
