// Which calendar the typed BS functions follow.
//
// A calendar is a small value passed to every typed function as its last argument, with the
// model as the default: `bs::days_in_month(2082, 4)` and `bs::days_in_month(2082, 4,
// bs::calendar::model)` are the same call. The model is the calendar the control computes:
// month lengths from the formula for the sun's entry into each sign, for BS years 1 to 9999.
// It is the only calendar today; the value leaves room for others (a published calendar whose
// months differ from the model in a few years) without any function changing its signature.
#pragma once

#include <cstdint>

namespace sauramiti::bs {

class calendar {
 public:
  // The model calendar: the control's own, for every day of BS 1/1/1 to 9999/12/31.
  static const calendar model;

  constexpr bool is_model() const noexcept { return id_ == 0; }

  friend constexpr bool operator==(const calendar&, const calendar&) noexcept = default;

 private:
  constexpr calendar() noexcept = default;
  std::uint8_t id_ = 0;
};

inline constexpr calendar calendar::model{};

}  // namespace sauramiti::bs
