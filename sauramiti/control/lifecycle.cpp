// Creation, loading, saving and destruction of an instance.
//
// A new instance starts at 3000 x 3000 twips with the default settings; a loaded one takes its
// settings from the host's property bag. Either way the selected date becomes today's date: the
// saved date fields are written but never restored (the derived ones are read and then at once
// recomputed from today). Saving writes 22 keys, each with the default that lets the bag leave
// it out when nothing changed; the fonts' default is Empty, so they are always stored.
#include <chrono>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/chrono/year_month_day.hpp>
#include <sauramiti/control/instance_parts.hpp>
#include <sauramiti/control/selected_date.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>

namespace sauramiti {

namespace {

constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kDefaultMaxYear = 2100;
constexpr std::int16_t kDefaultMinYear = 2000;
constexpr float kNewInstanceSize = 3000.0F;
// The Value default the saved documents have always carried; a Value equal to it is not stored.
constexpr const char* kSavedValueDefault = "2026/06/01/4";

// Today's date becomes the selected date: Value is today's Value string, and the selected date
// is today's typed BS date, which that text reads back to. A day the typed date cannot give (a
// clock outside the calendar, or before Gregorian year 1, which TodayValueString answers with
// "Invalid Input") is read from the text, as whatever it holds.
void SelectToday(platform::Host& host, view::ControlState& s) {
  const platform::LocalDate today = host.Today();  // read once per call
  s.Value = SauramitiRoutine::TodayValueString({today.year, today.month, today.day});
  const std::chrono::year_month_day ad{std::chrono::year{today.year},
                                       std::chrono::month{static_cast<unsigned>(today.month)},
                                       std::chrono::day{static_cast<unsigned>(today.day)}};
  const bs::year_month_day date = bs::from_sys_days(std::chrono::sys_days{ad});
  if (today.year >= 1 && ad.ok() && date.ok()) {  // years the Gregorian side accepts
    ApplySelectedDate(
        s, SauramitiRoutine::BsDateParts{
               static_cast<std::int16_t>(date.year()), static_cast<std::int16_t>(date.month()),
               static_cast<std::int16_t>(date.day()),
               static_cast<std::int16_t>(bs::weekday(date).c_encoding() + 1)});
  } else {
    ApplySelectedDate(s, s.Value);
  }
}

}  // namespace

void Sauramiti::Initialize() {}

void Sauramiti::Terminate() {}

void Sauramiti::InitProperties() {
  view::ControlState& s = state_->record;
  host_.Height(kNewInstanceSize);
  host_.Width(kNewInstanceSize);
  s.English = kTrue;
  s.MaxYear = Variant::Integer(kDefaultMaxYear);
  s.MinYear = kDefaultMinYear;
  s.EnglishDateStyle = datmmddyyyy;
  s.WeekDayStyle = wkdShort;
  s.Separator = sepSlash;
  s.DateValue.clear();
  s.DateAD.clear();
  s.UjjainAhargana = 0;
  // The host hands out a new font object on each request: the two fields start as two copies.
  s.EnglishFont = host_.AmbientFont();
  s.NepaliFont = host_.AmbientFont();
  s.Vertical = kTrue;
  s.EngStrDate.assign(1, '0');  // "0" (assigning the literal trips a GCC 12 false warning)
  s.JulianDate = 0.0;
  SauramitiRoutine::InitCalendarTables();
  SelectToday(host_, s);
  view::RefreshView(state_->view);
}

void Sauramiti::ReadProperties(platform::PropertyBag& bag) {
  view::ControlState& s = state_->record;
  // Each value is stored before the next key is read, so a failing key leaves the earlier ones
  // in place.
  s.English = bag.ReadProperty("English", Variant::Integer(kTrue)).ToBoolean();
  host_.Enabled(bag.ReadProperty("Enabled", Variant::Boolean(true)).ToBoolean() != 0);
  s.MaxYear = bag.ReadProperty("MaxYear", Variant::Integer(kDefaultMaxYear));
  s.MinYear = bag.ReadProperty("MinYear", Variant::Integer(kDefaultMinYear)).ToInt16();
  s.Vertical = bag.ReadProperty("Vertical", Variant::Integer(kTrue)).ToBoolean();
  s.EnglishFont = bag.ReadProperty("EnglishFont", Variant::Font(host_.AmbientFont())).ToFont();
  s.NepaliFont = bag.ReadProperty("NepaliFont", Variant::Font(host_.AmbientFont())).ToFont();
  s.DateValue = bag.ReadProperty("DateValue", Variant::String("")).ToString();
  s.DateAD = bag.ReadProperty("DateAD", Variant::String("")).ToString();
  s.UjjainAhargana = bag.ReadProperty("UjjainAhargana", Variant::Integer(0)).ToInt32();
  s.EngStrDate = bag.ReadProperty("EngStrDate", Variant::String("0")).ToString();
  s.JulianDate = bag.ReadProperty("JulianDate", Variant::Integer(0)).ToDouble();
  s.EnglishDateStyle = static_cast<MyEnglishDateStyleConstants>(
      bag.ReadProperty("EnglishDateStyle", Variant::Long(0)).ToInt32());
  s.WeekDayStyle =
      static_cast<MyWeekDayStyle>(bag.ReadProperty("WeekDayStyle", Variant::Long(0)).ToInt32());
  s.Separator = static_cast<MyYMDSeparatorConstants>(
      bag.ReadProperty("Separator", Variant::Long(0)).ToInt32());

  SauramitiRoutine::InitCalendarTables();
  // Today's date with "/" whatever separator was just read; DateAD takes the read separator.
  SelectToday(host_, s);
  view::RefreshView(state_->view);
  state_->controls.Frame2->ToolTipText(
      bag.ReadProperty("ToolTipText", Variant::String("")).ToString());
}

void Sauramiti::WriteProperties(platform::PropertyBag& bag) {
  const view::ControlState& s = state_->record;
  const Variant empty;
  bag.WriteProperty("English", Variant::Boolean(s.English), Variant::Integer(kTrue));
  bag.WriteProperty("Enabled", Variant::Boolean(host_.Enabled()), Variant::Boolean(true));
  bag.WriteProperty("MaxYear", s.MaxYear, Variant::Integer(kDefaultMaxYear));
  bag.WriteProperty("MinYear", Variant::Integer(s.MinYear), Variant::Integer(kDefaultMinYear));
  bag.WriteProperty("DateValue", Variant::String(s.DateValue), Variant::String(""));
  bag.WriteProperty("month", Variant::Integer(s.month), empty);
  bag.WriteProperty("Day", Variant::Integer(s.Day), empty);
  bag.WriteProperty("Weekday", Variant::Integer(s.Weekday), empty);
  bag.WriteProperty("year", Variant::Integer(s.year), empty);
  bag.WriteProperty("UjjainAhargana", Variant::Long(s.UjjainAhargana), Variant::Integer(0));
  bag.WriteProperty("DateAD", Variant::String(s.DateAD), Variant::String(""));
  bag.WriteProperty("EnglishFont", Variant::Font(s.EnglishFont), empty);
  bag.WriteProperty("NepaliFont", Variant::Font(s.NepaliFont), empty);
  bag.WriteProperty("Vertical", Variant::Boolean(s.Vertical), Variant::Integer(kTrue));
  // A key no property reads any more; its value equals its default, so nothing is stored.
  bag.WriteProperty("ShowEnglishDate", empty, empty);
  bag.WriteProperty("Value", Variant::String(s.Value), Variant::String(kSavedValueDefault));
  bag.WriteProperty("EngStrDate", Variant::String(s.EngStrDate), Variant::String("0"));
  bag.WriteProperty("JulianDate", Variant::Double(s.JulianDate), Variant::Integer(0));
  bag.WriteProperty("EnglishDateStyle", Variant::Long(s.EnglishDateStyle), Variant::Long(0));
  bag.WriteProperty("WeekDayStyle", Variant::Long(s.WeekDayStyle), Variant::Long(0));
  bag.WriteProperty("Separator", Variant::Long(s.Separator), Variant::Long(0));
  bag.WriteProperty("ToolTipText", Variant::String(state_->controls.Frame2->ToolTipText()),
                    Variant::String(""));
}

}  // namespace sauramiti
