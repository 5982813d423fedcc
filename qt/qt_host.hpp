// The container surface on Qt: what the control needs of its host, provided by one QWidget.
//
// Size. The surface's size is kept in twips exactly as last set, by the control (a new instance
// makes itself 3000 by 3000) or by Qt (a layout or the user resizing the window). The control's
// own Width or Height resizes the widget to the nearest pixels and fires Resize when the value
// differs from the one held; the same value fires nothing. When Qt gives the widget a size other
// than the one the twips held stand for, both sides take the new size in twips and Resize fires.
// The widget's echo of the control's own resize is recognised and fires nothing more. Each of
// these is one Resize, or two while the lists settle (below).
//
// Enabled is the widget's own enabled state (QWidget::setEnabled), which Qt passes on to the
// children's looks and input; the children still report the states the control gave them.
//
// UserMode is true at run time and false in design mode, where the children receive no user
// input, as on a form designer's sheet. The ambient font is the widget's font, as a new font
// object on every request. Today is QDate::currentDate() unless a fixed date is set.
//
// Settling. The control reads a list's height while it lays itself out and only then scales the
// lists' fonts, which changes their heights; the grid would start under the old height and the
// lists would cover its first row until the next resize. So when a list's height changed while
// Resize ran, the host reports the size once more and the arrangement settles at once.
//
// PropertyChanged and Click go to the functions the widget installs.
//
// User actions (Perform) play a click, a choice, a typed character or an opening on the child of
// that name exactly as the Qt widgets deliver them (QtLabel::Click, QtComboBox::Choose, ...): a
// disabled child refuses, an entry outside the list is refused, and a run-time error of the
// control's handler goes to the toolkit's error sink.
#pragma once

#include <QDate>
#include <QSize>
#include <QWidget>
#include <functional>
#include <qt/qt_toolkit.hpp>
#include <sauramiti/platform/host.hpp>
#include <sauramiti/platform/user_actions.hpp>

namespace sauramiti::qt {

class QtHost final : public platform::Host, public platform::UserActions {
 public:
  explicit QtHost(QWidget& surface);

  bool Enabled() const override;
  void Enabled(bool enabled) override;
  float Width() const override { return width_; }
  void Width(float twips) override;
  float Height() const override { return height_; }
  void Height(float twips) override;

  bool UserMode() const override { return userMode_; }
  void SetUserMode(bool run);
  FontRef AmbientFont() override;

  void PropertyChanged(std::string_view name) override;
  void RaiseClick() override;
  void OnPropertyChanged(std::function<void(std::string_view)> sink) {
    propertyChanged_ = std::move(sink);
  }
  void OnClickRaised(std::function<void()> sink) { clickRaised_ = std::move(sink); }

  platform::LocalDate Today() override;
  // A fixed date for Today; an invalid QDate goes back to the system clock.
  void SetToday(const QDate& date) { fixedToday_ = date; }

  std::unique_ptr<platform::Frame> CreateFrame(platform::Frame* parent,
                                               std::string_view name) override;
  std::unique_ptr<platform::Label> CreateLabel(platform::Frame& parent,
                                               std::string_view name) override;
  std::unique_ptr<platform::ComboBox> CreateComboBox(platform::Frame& parent,
                                                     std::string_view name) override;
  void OnResize(std::function<void()> handler) override { onResize_ = std::move(handler); }

  platform::UserActionOutcome Perform(const platform::UserAction& action) override;

  // Qt resized the widget to `pixels` (call from resizeEvent).
  void SurfaceResized(QSize pixels);
  // The widget's size in pixels for the twips held.
  QSize PixelSize() const;

  // Takes over another host's view of the same surface: its size in twips, user mode and clock
  // (for an instance made to replace the one on `other`).
  void TakeSurfaceFrom(const QtHost& other);

  QtToolkit& Toolkit() noexcept { return toolkit_; }
  const QtToolkit& Toolkit() const noexcept { return toolkit_; }

 private:
  void SetSize(float width, float height);
  // Runs the Resize handler, and once more when a list's height changed meanwhile. With
  // `guarded`, a run-time error goes to the toolkit's error sink instead of the caller.
  void FireResize(bool guarded);

  QWidget& surface_;
  QtToolkit toolkit_;
  float width_;
  float height_;
  bool userMode_ = true;
  QDate fixedToday_;
  std::function<void()> onResize_;
  std::function<void(std::string_view)> propertyChanged_;
  std::function<void()> clickRaised_;
};

}  // namespace sauramiti::qt
