// The child controls of the month view, made once when the control is created.
//
// The control surface holds one frame, Frame1, which holds everything else: the two date panels
// (Label1 shows the BS date, Label2 the Gregorian one), the year list cboYear and the month list
// CBoMonth, and the inner frame Frame2. Frame2 holds the seven weekday headers lblWD(0..6),
// Sunday first, and the 35 day cells lblDay(0..34), seven to a week. Day cell j lies in week
// j / 7 and in the column of weekday header j % 7.
//
// Every child is created through the host's toolkit under its stable name ("lblDay(5)"), by which
// tests and scripts find it, and starts with its design look: colours, tool tips, fonts. The
// layout gives positions and sizes; the month view gives captions, font names and highlight.
#pragma once

#include <array>
#include <memory>
#include <sauramiti/platform/host.hpp>
#include <sauramiti/platform/toolkit_controls.hpp>

namespace sauramiti::view {

inline constexpr std::size_t kHeaderCount = 7;
inline constexpr std::size_t kDayCellCount = 35;
// With the SixWeeks extension on, a sixth week of cells lblDay(35..41) is shown. Those seven are
// made with the others and kept hidden, empty and disabled while SixWeeks is off: the toolkits
// can create children but not remove them, and a child that always exists keeps its name, its
// click handler and its place in every front end's list, so turning the setting on and off
// neither rebuilds the widgets nor changes what the original 35 cells report.
inline constexpr std::size_t kMaxDayCellCount = 42;

struct ChildControls {
  std::unique_ptr<platform::Frame> Frame1;
  std::unique_ptr<platform::Frame> Frame2;
  std::array<std::unique_ptr<platform::Label>, kHeaderCount> lblWD;
  std::array<std::unique_ptr<platform::Label>, kMaxDayCellCount> lblDay;
  std::unique_ptr<platform::ComboBox> cboYear;
  std::unique_ptr<platform::ComboBox> CBoMonth;
  std::unique_ptr<platform::Label> Label1;
  std::unique_ptr<platform::Label> Label2;
};

// The child controls, created outermost first, with their design properties.
ChildControls CreateChildControls(platform::Host& host);

// Header i or day cell j by a 16-bit index as the control's code carries it; an index outside
// the array is run-time error 9 (subscript out of range).
platform::Label& HeaderAt(const ChildControls& controls, std::int32_t index);
platform::Label& DayCellAt(const ChildControls& controls, std::int32_t index);

}  // namespace sauramiti::view
