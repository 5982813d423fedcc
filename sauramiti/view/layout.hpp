// Where the child controls sit and how large their fonts are.
//
// Everything follows from the surface's current width W and height H (twips), read as singles at
// the start of a pass and carried in double precision; every value handed to a child is rounded
// to a single. Nothing is kept between passes. The two date panels span the top, each a tenth of
// H high; the year and month lists share the line at 0.2 H, year on the left; Frame2 fills the
// rest below the lists, starting one twip above their bottom edge.
//
// Inside Frame2 the grid has six equal bands: one for the weekday headers and five for the weeks.
// Horizontal (Vertical = 0): headers across the top, weeks as rows under them. Vertical
// (Vertical = -1): headers down the left side, weeks as columns beside them. Any other stored
// value leaves headers and day cells where the previous pass put them.
//
// Example: horizontal, W = H = 4800 and a year list 360 twips high give Frame2 4799 x 3479 at
// (1, 1319) and headers of 685.5714 x 579.8333.
//
// Fonts scale with the area of what they label: header size sqrt(area of a header) / 40 for short
// weekday names (/ 60 for long ones), day cells sqrt(area of a cell) / 40, panels and lists
// sqrt(area of Label1) / 100 points.
//
// A control too small for its arrangement would give negative sizes (H below what the panels and
// lists take) and font sizes near zero; sizes are therefore never handed over below 0 twips and
// font sizes never below 1 point.
#pragma once

#include <cstdint>
#include <sauramiti/platform/host.hpp>
#include <sauramiti/view/child_controls.hpp>

namespace sauramiti::view {

// The whole pass, ending with ScaleFonts. `weekDayStyle` enters the header font formula as
// style * 20 + 40, in 32-bit arithmetic (error 6 outside that range).
// With `sixWeeks` non-zero the grid has seven bands (headers and six weeks of cells 0 to 41)
// where the original has six, each band 1/7 of Frame2 instead of 1/6.
void ArrangeView(const platform::Host& host, const ChildControls& controls, std::int16_t Vertical,
                 std::int32_t weekDayStyle, std::int16_t sixWeeks = 0);

// The font sizes alone, from the sizes the children report now.
void ScaleFonts(const ChildControls& controls, std::int32_t weekDayStyle);

}  // namespace sauramiti::view
