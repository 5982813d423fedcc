// What the control needs of its host.
//
// The control lives in a container surface that the host provides: the surface has an enabled
// state and a size (twips); the host answers the ambient UserMode (true at run time, false in a
// form designer) and the ambient font (a new font object on every request); it receives the
// PropertyChanged notification after a setting changed and the Click event when the user picked
// a day; it tells today's local date; and it creates the child controls of its toolkit. Run-time
// errors reach the host as sauramiti::RuntimeError exceptions.
//
// The host sends the container events by calling the control: Initialize, InitProperties or
// ReadProperties, WriteProperties, Resize after every change of the surface's size (including
// one the control makes itself), and Terminate.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <sauramiti/base/font.hpp>
#include <sauramiti/platform/toolkit_controls.hpp>
#include <string>
#include <string_view>

namespace sauramiti::platform {

struct LocalDate {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int16_t day = 0;
};

class Host {
 public:
  virtual ~Host() = default;

  // The container surface.
  [[nodiscard]] virtual bool Enabled() const = 0;
  virtual void Enabled(bool enabled) = 0;
  [[nodiscard]] virtual float Width() const = 0;
  virtual void Width(float twips) = 0;
  [[nodiscard]] virtual float Height() const = 0;
  virtual void Height(float twips) = 0;

  // Ambient properties, asked afresh on every call.
  [[nodiscard]] virtual bool UserMode() const = 0;
  virtual FontRef AmbientFont() = 0;

  // Notifications and events.
  virtual void PropertyChanged(std::string_view name) = 0;
  virtual void RaiseClick() = 0;

  // Today's local date (a real clock, or a fixed date a test or script sets).
  virtual LocalDate Today() = 0;

  // Child controls. `parent` null places a frame on the surface itself. `name` is the child's
  // stable name ("Frame1", "lblDay(5)", "cboYear"), by which tests and scripts find it.
  virtual std::unique_ptr<Frame> CreateFrame(Frame* parent, std::string_view name) = 0;
  virtual std::unique_ptr<Label> CreateLabel(Frame& parent, std::string_view name) = 0;
  virtual std::unique_ptr<ComboBox> CreateComboBox(Frame& parent, std::string_view name) = 0;

  // The control's handler of the surface's Resize event.
  virtual void OnResize(std::function<void()> handler) = 0;
};

}  // namespace sauramiti::platform
