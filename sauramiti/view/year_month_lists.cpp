#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/view/date_limits.hpp>
#include <sauramiti/view/month_view.hpp>
#include <sauramiti/view/name_tables.hpp>
#include <string>

namespace sauramiti::view {

void FillYearList(ViewContext& view) {
  const ControlState& state = view.state;
  platform::ComboBox& list = *view.controls.cboYear;
  SauramitiRoutine::DisplayFontName = DisplayFont(state, state.English).name;
  list.FontName(SauramitiRoutine::DisplayFontName);
  list.Clear();
  // MaxYear may hold any value the host gave; it counts here as a number. The year itself is a
  // 16-bit count: stepping past 32767 is an overflow, which also bounds the loop for a huge or
  // infinite MaxYear. A NaN MaxYear compares false and appends nothing.
  const double maxYear = state.MaxYear.ToDouble();
  for (std::int16_t y = state.MinYear; y <= maxYear; y = Add16(y, 1)) {
    // With MinDate or MaxDate set, a year without an allowed day is left out.
    if (YearHasAllowedDay(state, y)) list.AddItem(std::to_string(y));
  }
  // The selected year is shown even when the list does not hold it.
  if (view.host.Enabled()) list.Text(std::to_string(state.year));
}

void FillMonthList(ViewContext& view) {
  const ControlState& state = view.state;
  platform::ComboBox& list = *view.controls.CBoMonth;
  list.Clear();
  SauramitiRoutine::DisplayFontName = DisplayFont(state, state.English).name;
  list.FontName(SauramitiRoutine::DisplayFontName);
  for (std::size_t m = 1; m <= 12; ++m) list.AddItem(SauramitiRoutine::MonthNames[m]);
  list.FontBold(true);
  if (view.host.Enabled()) {
    if (state.month < 0 || state.month > 12) Raise(kSubscriptOutOfRange);
    list.Text(SauramitiRoutine::MonthNames[static_cast<std::size_t>(state.month)]);
  }
}

}  // namespace sauramiti::view
