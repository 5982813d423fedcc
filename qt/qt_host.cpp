#include <QFontInfo>
#include <cmath>
#include <qt/qt_host.hpp>

namespace sauramiti::qt {

namespace {

// The control's design size, the size the widget offers itself at before anyone sets one.
constexpr float kDesignWidth = 5535.0F;
constexpr float kDesignHeight = 5220.0F;

// NaN equals NaN here, so that setting the same value twice never counts as a change.
bool SameTwips(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

std::int16_t ClampToInt16(int value) {
  constexpr int kLow = -32768;
  constexpr int kHigh = 32767;
  return static_cast<std::int16_t>(value < kLow ? kLow : (value > kHigh ? kHigh : value));
}

}  // namespace

QtHost::QtHost(QWidget& surface)
    : surface_(surface), toolkit_(surface), width_(kDesignWidth), height_(kDesignHeight) {}

bool QtHost::Enabled() const { return !surface_.testAttribute(Qt::WA_ForceDisabled); }

void QtHost::Enabled(bool enabled) { surface_.setEnabled(enabled); }

void QtHost::Width(float twips) { SetSize(twips, height_); }

void QtHost::Height(float twips) { SetSize(width_, twips); }

void QtHost::SetSize(float width, float height) {
  if (SameTwips(width, width_) && SameTwips(height, height_)) return;
  width_ = width;
  height_ = height;
  surface_.resize(PixelSize());
  surface_.updateGeometry();
  FireResize(/*guarded=*/false);
}

void QtHost::SurfaceResized(QSize pixels) {
  if (pixels == PixelSize()) return;  // the echo of a size the twips already stand for
  const TwipsScale scale = toolkit_.Scale();
  width_ = scale.ToTwipsX(pixels.width());
  height_ = scale.ToTwipsY(pixels.height());
  // Qt's event handlers must not see exceptions: an error of the arrangement goes to the sink.
  FireResize(/*guarded=*/true);
}

void QtHost::FireResize(bool guarded) {
  if (!onResize_) return;
  const std::vector<int> before = toolkit_.ComboBoxHeights();
  if (guarded) {
    if (!toolkit_.RunUserAction(onResize_)) return;
  } else {
    onResize_();
  }
  if (onResize_ && toolkit_.ComboBoxHeights() != before) {
    if (guarded) {
      toolkit_.RunUserAction(onResize_);
    } else {
      onResize_();
    }
  }
}

QSize QtHost::PixelSize() const {
  const QRect rect = toolkit_.Scale().ToPixelRect(0.0, 0.0, width_, height_);
  return rect.size();
}

void QtHost::TakeSurfaceFrom(const QtHost& other) {
  width_ = other.width_;
  height_ = other.height_;
  fixedToday_ = other.fixedToday_;
  SetUserMode(other.userMode_);
}

void QtHost::SetUserMode(bool run) {
  userMode_ = run;
  toolkit_.SetUserInputEnabled(run);
}

FontRef QtHost::AmbientFont() {
  const QFont font = surface_.font();
  auto ambient = std::make_shared<Font>();
  ambient->name = QFontInfo(font).family().toStdString();
  // The size asked for, as the user set it; a font given in pixels reports what it comes to.
  const double points = font.pointSizeF() > 0.0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
  ambient->size = static_cast<float>(points);
  ambient->bold = font.bold();
  ambient->italic = font.italic();
  ambient->underline = font.underline();
  ambient->strikethrough = font.strikeOut();
  return ambient;
}

void QtHost::PropertyChanged(std::string_view name) {
  if (propertyChanged_) propertyChanged_(name);
}

void QtHost::RaiseClick() {
  if (clickRaised_) clickRaised_();
}

platform::LocalDate QtHost::Today() {
  const QDate today = fixedToday_.isValid() ? fixedToday_ : QDate::currentDate();
  return {ClampToInt16(today.year()), ClampToInt16(today.month()), ClampToInt16(today.day())};
}

std::unique_ptr<platform::Frame> QtHost::CreateFrame(platform::Frame* parent,
                                                     std::string_view name) {
  return toolkit_.CreateFrame(parent, name);
}

std::unique_ptr<platform::Label> QtHost::CreateLabel(platform::Frame& parent,
                                                     std::string_view name) {
  return toolkit_.CreateLabel(parent, name);
}

std::unique_ptr<platform::ComboBox> QtHost::CreateComboBox(platform::Frame& parent,
                                                           std::string_view name) {
  return toolkit_.CreateComboBox(parent, name);
}

}  // namespace sauramiti::qt
