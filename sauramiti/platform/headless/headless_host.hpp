// The headless host: an in-memory container for one or more controls, deterministic and open to
// inspection. Tests, the script runner and the text renderings drive the control through it.
//
// The surface starts enabled, 5535 by 5220 twips (the control's design size), in run mode
// (UserMode true), with "Tahoma" 8.25 as its ambient font (a new font object on every request)
// and the machine's clock; SetToday fixes the date instead.
//
// Resize. The surface fires the control's Resize handler once for every actual change of its
// size, the way a toolkit reports geometry changes:
//   - Width(w) or Height(h), which the control itself calls, fires once when the value differs
//     from the current one and not at all when it is the same; so a control that sets its height
//     to 3000 and then its width to 3000 sees two resizes if both sides changed;
//   - Resize(w, h), which the host's user calls (the script's `size W H`), changes both sides and
//     then fires once, if either side changed.
// NaN counts as equal to NaN, and 0 as equal to -0, so setting the same value never fires.
//
// Events. PropertyChanged and Click are recorded in the order they arrive, as the lines the
// script prints: "PropertyChanged NAME" and "Click". TakeEvents hands them over and forgets them.
//
// User actions. Perform plays what a person does to a child named by its stable name: a click
// on a label (HeadlessLabel::Click), choosing an entry of a list (HeadlessComboBox::Choose, which
// raises error 5 for an entry outside the list), typing into a list, opening a list. A run-time
// error of the control's handler passes to the caller.
//
// Child controls. The control owns the children it creates; the host lists them by the names
// they were created with ("Frame1", "lblDay(5)", "cboYear") for FindChild and its typed forms.
// A child leaves the list when it is destroyed.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <sauramiti/base/font.hpp>
#include <sauramiti/platform/headless/child_registry.hpp>
#include <sauramiti/platform/headless/headless_child.hpp>
#include <sauramiti/platform/headless/headless_combo_box.hpp>
#include <sauramiti/platform/headless/headless_frame.hpp>
#include <sauramiti/platform/headless/headless_label.hpp>
#include <sauramiti/platform/host.hpp>
#include <sauramiti/platform/user_actions.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace sauramiti::headless {

class HeadlessHost final : public platform::Host, public platform::UserActions {
 public:
  static constexpr float kDesignWidth = 5535.0F;
  static constexpr float kDesignHeight = 5220.0F;

  HeadlessHost();

  // The container surface.
  [[nodiscard]] bool Enabled() const override { return enabled_; }
  void Enabled(bool enabled) override { enabled_ = enabled; }
  [[nodiscard]] float Width() const override { return width_; }
  void Width(float twips) override;
  [[nodiscard]] float Height() const override { return height_; }
  void Height(float twips) override;
  // The host's own resize: both sides, then one Resize.
  void Resize(float width, float height);

  // Ambient properties.
  [[nodiscard]] bool UserMode() const override { return userMode_; }
  void SetUserMode(bool run) { userMode_ = run; }
  FontRef AmbientFont() override { return std::make_shared<Font>(ambientFont_); }
  void SetAmbientFont(const Font& font) { ambientFont_ = font; }

  // Notifications and events.
  void PropertyChanged(std::string_view name) override;
  void RaiseClick() override;
  [[nodiscard]] const std::vector<std::string>& Events() const noexcept { return events_; }
  std::vector<std::string> TakeEvents();

  // The clock.
  platform::LocalDate Today() override;
  void SetToday(platform::LocalDate date) { fixedToday_ = date; }
  void UseSystemClock() { fixedToday_.reset(); }

  // Child controls.
  std::unique_ptr<platform::Frame> CreateFrame(platform::Frame* parent,
                                               std::string_view name) override;
  std::unique_ptr<platform::Label> CreateLabel(platform::Frame& parent,
                                               std::string_view name) override;
  std::unique_ptr<platform::ComboBox> CreateComboBox(platform::Frame& parent,
                                                     std::string_view name) override;

  void OnResize(std::function<void()> handler) override { onResize_ = std::move(handler); }

  platform::UserActionOutcome Perform(const platform::UserAction& action) override;

  // The live child made last under `name`; null when there is none (or, for the typed forms,
  // when it is of another kind).
  [[nodiscard]] HeadlessChild* FindChild(std::string_view name) const noexcept;
  [[nodiscard]] HeadlessFrame* FindFrame(std::string_view name) const noexcept;
  [[nodiscard]] HeadlessLabel* FindLabel(std::string_view name) const noexcept;
  [[nodiscard]] HeadlessComboBox* FindComboBox(std::string_view name) const noexcept;
  // Every live child, in the order they were made.
  [[nodiscard]] const std::vector<HeadlessChild*>& Children() const noexcept {
    return registry_->All();
  }

 private:
  void FireResize();

  std::shared_ptr<ChildRegistry> registry_;
  bool enabled_ = true;
  float width_ = kDesignWidth;
  float height_ = kDesignHeight;
  bool userMode_ = true;
  Font ambientFont_{"Tahoma", 8.25F};
  std::vector<std::string> events_;
  std::optional<platform::LocalDate> fixedToday_;
  std::function<void()> onResize_;
};

}  // namespace sauramiti::headless
