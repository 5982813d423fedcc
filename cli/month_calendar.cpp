#include <cli/month_calendar.hpp>
#include <sauramiti/calendar/enumerations.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <stdexcept>
#include <string>
#include <terminal/ansi_text.hpp>
#include <terminal/view_layout.hpp>
#include <terminal/view_picture.hpp>

namespace sauramiti::cli {

namespace {

// Makes the year list reach `year`.
void WidenYearList(Sauramiti& control, std::int16_t year) {
  if (year < control.MinYear()) control.MinYear(year);
  if (year > control.MaxYear().ToDouble()) control.MaxYear(Variant::Integer(year));
}

void ShowFirstDay(Sauramiti& control, std::int16_t year, std::int16_t month) {
  if (control.GetDaysInMonth(year, month, disNepali) == 0) {
    throw std::invalid_argument("there is no BS month " + std::to_string(year) + "/" +
                                std::to_string(month) + " (years 1 to 9999, months 1 to 12)");
  }
  WidenYearList(control, year);
  control.SelectDate(bs::year_month_day{year, static_cast<unsigned>(month), 1});
}

}  // namespace

void WriteMonthCalendar(std::ostream& out, const CalendarOptions& options,
                        platform::LocalDate today) {
  headless::HeadlessHost host;
  host.SetToday(today);
  Sauramiti control(host);
  control.Initialize();
  control.InitProperties();
  if (options.nepali) control.English(0);
  if (options.horizontal) control.Vertical(0);

  const std::int16_t year = options.year.value_or(control.year());
  const std::int16_t month = options.month.value_or(control.month());
  if (year != control.year() || month != control.month()) ShowFirstDay(control, year, month);

  const terminal::ViewPicture picture = terminal::TakeViewPicture(
      control.Children(), control.Vertical(),
      options.nepali ? terminal::Script::Devanagari : terminal::Script::AsStored);
  terminal::LayoutOptions layout;
  layout.bracketSelection = !options.color;
  terminal::WriteStyledLines(out, terminal::LayOutView(picture, layout), options.color);
  control.Terminate();
}

}  // namespace sauramiti::cli
