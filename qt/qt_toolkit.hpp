// The Qt toolkit behind the control's child controls.
//
// The control asks its host for frames, labels and combo boxes by stable name ("Frame1",
// "lblDay(5)", "cboYear"); the toolkit makes them as Qt widgets inside one surface widget and
// keeps a directory of the live ones, so that the widget that hosts the control can reach a child
// by its name (keyboard use, accessible names, tests). Each Qt widget carries the same name as
// its object name.
//
// It also holds what all children of one surface share: the twips scale of the surface's screen,
// the display language probe (see display_text.hpp), the gate that keeps user input away from the
// children while the control sits in a form designer, and the way a run-time error raised by one
// of the control's handlers reaches the host. Qt event handlers must not let exceptions through,
// so a user's action runs the control's handler inside RunUserAction, which hands a
// sauramiti::RuntimeError to the error sink instead.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <qt/display_text.hpp>
#include <qt/twips_scale.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/platform/toolkit_controls.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace sauramiti::qt {

class QtChild;
class QtComboBox;
class QtFrame;
class QtLabel;
class InputGate;

class QtToolkit {
 public:
  explicit QtToolkit(QWidget& surface);
  ~QtToolkit();
  QtToolkit(const QtToolkit&) = delete;
  QtToolkit& operator=(const QtToolkit&) = delete;

  QWidget& Surface() const noexcept { return surface_; }
  TwipsScale Scale() const;
  DisplayLanguage& Language() noexcept { return language_; }
  const DisplayLanguage& Language() const noexcept { return language_; }

  // `parent` null places a frame on the surface itself. A parent that this toolkit did not make
  // is a programming error (std::invalid_argument).
  std::unique_ptr<platform::Frame> CreateFrame(platform::Frame* parent, std::string_view name);
  std::unique_ptr<platform::Label> CreateLabel(platform::Frame& parent, std::string_view name);
  std::unique_ptr<platform::ComboBox> CreateComboBox(platform::Frame& parent,
                                                     std::string_view name);

  // The live child of that name and kind, or null.
  QtFrame* FindFrame(std::string_view name) const;
  QtLabel* FindLabel(std::string_view name) const;
  QtComboBox* FindComboBox(std::string_view name) const;

  // While user input is off (design mode), mouse, wheel and key events never reach a child.
  void SetUserInputEnabled(bool enabled) noexcept;
  bool UserInputEnabled() const noexcept;

  // Runs a handler of the control for a user's action; a run-time error goes to the error sink
  // and the answer is false.
  bool RunUserAction(const std::function<void()>& action) const;
  // Whether a user's action is running (a handler of the control is on the stack).
  bool InUserAction() const noexcept { return actionDepth_ > 0; }
  void SetErrorSink(std::function<void(const RuntimeError&)> sink) { errorSink_ = std::move(sink); }

  // Called after the shown content of a child changed (a caption, a list's text).
  void SetContentObserver(std::function<void(QtChild&)> observer) {
    contentObserver_ = std::move(observer);
  }
  void NotifyContentChanged(QtChild& child) const;

  // Called when the user clicks an enabled label, before its handler runs.
  void SetLabelClickObserver(std::function<void(QtLabel&)> observer) {
    labelClickObserver_ = std::move(observer);
  }
  void NotifyLabelClicked(QtLabel& label) const;

  // Bookkeeping for the children themselves.
  void Register(QtChild& child);
  void Unregister(const QtChild& child) noexcept;
  void GuardUserInput(QWidget& widget) const;

  // Places every live child again, for a new screen resolution.
  void PlaceAll() const;

  // The heights of the live combo boxes, in pixels, in name order.
  std::vector<int> ComboBoxHeights() const;

 private:
  template <typename T>
  T* Find(std::string_view name) const;
  QWidget& ParentWidget(platform::Frame* parent) const;

  QWidget& surface_;
  DisplayLanguage language_;
  std::map<std::string, QtChild*, std::less<>> children_;
  std::unique_ptr<InputGate> gate_;
  std::function<void(const RuntimeError&)> errorSink_;
  std::function<void(QtChild&)> contentObserver_;
  std::function<void(QtLabel&)> labelClickObserver_;
  mutable int actionDepth_ = 0;
};

}  // namespace sauramiti::qt
