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
#include <sauramiti/control/property_table.hpp>
#include <sauramiti/control/selected_date.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/calendar_methods.hpp>

namespace sauramiti {

namespace {

constexpr float kNewInstanceSize = 3000.0F;

// Key names and defaults come from the property table; the order of the keys is written out in
// WriteProperties and ReadProperties below, and the control's tests check it against the table.
void Write(platform::PropertyBag& bag, platform::Host& host, const PropertyEntry& property,
           const Variant& value) {
  bag.WriteProperty(property.savedKey, value, property.writeDefault.ToVariant(host));
}

Variant Read(platform::PropertyBag& bag, platform::Host& host, const PropertyEntry& property) {
  return bag.ReadProperty(property.savedKey, property.readDefault.ToVariant(host));
}

// A new instance's setting is the default its key is saved with.
Variant NewInstanceValue(platform::Host& host, const PropertyEntry& property) {
  return property.writeDefault.ToVariant(host);
}

// Today's date becomes the selected date: Value is today's Value string, and the selected date
// is today's typed BS date, which that text reads back to. A day the typed date cannot give (a
// clock outside the calendar, or before Gregorian year 1, which English2NepaliDate answers with
// "Invalid Input") is read from the text, as whatever it holds. Today is read in the instance's
// calendar (the model unless Calendar is 1).
void SelectToday(platform::Host& host, view::ControlState& s) {
  const platform::LocalDate today = host.Today();  // read once per call
  const bs::calendar& cal = SauramitiRoutine::CalendarOfCode(s.Calendar);
  s.Value = SauramitiRoutine::English2NepaliDate(cal, today.year, today.month, today.day, sepSlash);
  const std::chrono::year_month_day ad{std::chrono::year{today.year},
                                       std::chrono::month{static_cast<unsigned>(today.month)},
                                       std::chrono::day{static_cast<unsigned>(today.day)}};
  const bs::year_month_day date = bs::from_sys_days(std::chrono::sys_days{ad}, cal);
  if (today.year >= 1 && ad.ok() && date.ok(cal)) {  // years the Gregorian side accepts
    ApplySelectedDate(
        s, SauramitiRoutine::BsDateParts{
               static_cast<std::int16_t>(date.year()), static_cast<std::int16_t>(date.month()),
               static_cast<std::int16_t>(date.day()),
               static_cast<std::int16_t>(bs::weekday(date, cal).c_encoding() + 1)});
  } else {
    ApplySelectedDate(s, s.Value);
  }
}

// The extensions' keys, after the original ones in table order; each is stored only when not
// at its default, so a document of a control with every extension off is what it always was,
// and an older document reads them as off.
void WriteExtensions(platform::PropertyBag& bag, platform::Host& h, const Sauramiti& control) {
  for (const PropertyEntry& p : kPropertyTable) {
    if (p.restore != nullptr) Write(bag, h, p, p.get(control));
  }
}

// True when any of them is not at its default.
bool ReadExtensions(platform::PropertyBag& bag, platform::Host& h, const Sauramiti& control,
                    view::ControlState& s) {
  bool changed = false;
  for (const PropertyEntry& p : kPropertyTable) {
    if (p.restore == nullptr) continue;
    p.restore(s, Read(bag, h, p));
    changed = changed || !(p.get(control) == p.writeDefault.ToVariant(h));
  }
  return changed;
}

void StartExtensions(platform::Host& h, view::ControlState& s) {
  for (const PropertyEntry& p : kPropertyTable) {
    if (p.restore != nullptr) p.restore(s, NewInstanceValue(h, p));
  }
}

}  // namespace

void Sauramiti::Initialize() {}

void Sauramiti::Terminate() {}

void Sauramiti::InitProperties() {
  view::ControlState& s = state_->record;
  host_.Height(kNewInstanceSize);
  host_.Width(kNewInstanceSize);
  s.English = NewInstanceValue(host_, PropertyNamed("English")).ToBoolean();
  s.MaxYear = NewInstanceValue(host_, PropertyNamed("MaxYear"));
  s.MinYear = NewInstanceValue(host_, PropertyNamed("MinYear")).ToInt16();
  s.EnglishDateStyle = datmmddyyyy;
  s.WeekDayStyle = wkdShort;
  s.Separator = sepSlash;
  s.DateValue.clear();
  s.DateAD.clear();
  s.UjjainAhargana = 0;
  // The host hands out a new font object on each request: the two fields start as two copies.
  s.EnglishFont = host_.AmbientFont();
  s.NepaliFont = host_.AmbientFont();
  s.Vertical = NewInstanceValue(host_, PropertyNamed("Vertical")).ToBoolean();
  s.EngStrDate.assign(1, '0');  // "0" (assigning the literal trips a GCC 12 false warning)
  s.JulianDate = 0.0;
  StartExtensions(host_, s);
  SauramitiRoutine::InitCalendarTables();
  SelectToday(host_, s);
  view::RefreshView(state_->view);
}

void Sauramiti::ReadProperties(platform::PropertyBag& bag) {
  view::ControlState& s = state_->record;
  // Each value is stored before the next key is read, so a failing key leaves the earlier ones
  // in place.
  platform::Host& h = host_;
  s.English = Read(bag, h, PropertyNamed("English")).ToBoolean();
  host_.Enabled(Read(bag, h, PropertyNamed("Enabled")).ToBoolean() != 0);
  s.MaxYear = Read(bag, h, PropertyNamed("MaxYear"));
  s.MinYear = Read(bag, h, PropertyNamed("MinYear")).ToInt16();
  s.Vertical = Read(bag, h, PropertyNamed("Vertical")).ToBoolean();
  s.EnglishFont = Read(bag, h, PropertyNamed("EnglishFont")).ToFont();
  s.NepaliFont = Read(bag, h, PropertyNamed("NepaliFont")).ToFont();
  s.DateValue = Read(bag, h, PropertyNamed("DateValue")).ToString();
  s.DateAD = Read(bag, h, PropertyNamed("DateAD")).ToString();
  s.UjjainAhargana = Read(bag, h, PropertyNamed("UjjainAhargana")).ToInt32();
  s.EngStrDate = Read(bag, h, PropertyNamed("EngStrDate")).ToString();
  s.JulianDate = Read(bag, h, PropertyNamed("JulianDate")).ToDouble();
  s.EnglishDateStyle = static_cast<MyEnglishDateStyleConstants>(
      Read(bag, h, PropertyNamed("EnglishDateStyle")).ToInt32());
  s.WeekDayStyle =
      static_cast<MyWeekDayStyle>(Read(bag, h, PropertyNamed("WeekDayStyle")).ToInt32());
  s.Separator =
      static_cast<MyYMDSeparatorConstants>(Read(bag, h, PropertyNamed("Separator")).ToInt32());

  SauramitiRoutine::InitCalendarTables();
  // Today's date with "/" whatever separator was just read; DateAD takes the read separator.
  SelectToday(host_, s);
  view::RefreshView(state_->view);
  state_->controls.Frame2->ToolTipText(Read(bag, h, PropertyNamed("ToolTipText")).ToString());
  // The extensions' keys come after every original one, so an older document is read exactly
  // as before; only a document that turns one on costs a second refresh.
  // A document that asks for the published calendar has today read again in it; its date
  // limits may then leave today outside, and the selection starts on the nearest allowed day,
  // with no event, as loading fires none.
  if (ReadExtensions(bag, h, *this, s)) {
    if (s.Calendar != SauramitiRoutine::kModelCalendar) SelectToday(host_, s);
    KeepSelectionWithinLimits();
    view::RefreshView(state_->view);
  }
}

void Sauramiti::WriteProperties(platform::PropertyBag& bag) {
  const view::ControlState& s = state_->record;
  platform::Host& h = host_;
  Write(bag, h, PropertyNamed("English"), Variant::Boolean(s.English));
  Write(bag, h, PropertyNamed("Enabled"), Variant::Boolean(host_.Enabled()));
  Write(bag, h, PropertyNamed("MaxYear"), s.MaxYear);
  Write(bag, h, PropertyNamed("MinYear"), Variant::Integer(s.MinYear));
  Write(bag, h, PropertyNamed("DateValue"), Variant::String(s.DateValue));
  Write(bag, h, PropertyNamed("month"), Variant::Integer(s.month));
  Write(bag, h, PropertyNamed("Day"), Variant::Integer(s.Day));
  Write(bag, h, PropertyNamed("Weekday"), Variant::Integer(s.Weekday));
  Write(bag, h, PropertyNamed("year"), Variant::Integer(s.year));
  Write(bag, h, PropertyNamed("UjjainAhargana"), Variant::Long(s.UjjainAhargana));
  Write(bag, h, PropertyNamed("DateAD"), Variant::String(s.DateAD));
  Write(bag, h, PropertyNamed("EnglishFont"), Variant::Font(s.EnglishFont));
  Write(bag, h, PropertyNamed("NepaliFont"), Variant::Font(s.NepaliFont));
  Write(bag, h, PropertyNamed("Vertical"), Variant::Boolean(s.Vertical));
  // A key no property reads any more; its value equals its default, so nothing is stored.
  bag.WriteProperty(kUnreadSavedKey, Variant(), Variant());
  Write(bag, h, PropertyNamed("Value"), Variant::String(s.Value));
  Write(bag, h, PropertyNamed("EngStrDate"), Variant::String(s.EngStrDate));
  Write(bag, h, PropertyNamed("JulianDate"), Variant::Double(s.JulianDate));
  Write(bag, h, PropertyNamed("EnglishDateStyle"), Variant::Long(s.EnglishDateStyle));
  Write(bag, h, PropertyNamed("WeekDayStyle"), Variant::Long(s.WeekDayStyle));
  Write(bag, h, PropertyNamed("Separator"), Variant::Long(s.Separator));
  Write(bag, h, PropertyNamed("ToolTipText"),
        Variant::String(state_->controls.Frame2->ToolTipText()));
  WriteExtensions(bag, h, *this);
}

}  // namespace sauramiti
