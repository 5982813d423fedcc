// The control's properties, one entry each: the single list every front end is built from.
//
// An entry says what a host needs to know of a property without reading the control: its name
// (letter case included: `English`, `month`), the type a host sees, its value in a new
// instance, whether a property browser lists it at design time, its help text, the mode guard
// its accessors apply, how it is saved and loaded, what a successful Let refreshes and which
// event it fires, and a getter and setter that speak Variants. The command's `get`/`let`, the
// Qt widget's properties, the demo's property browser and the checks on the document's keys
// all read this table, so its length is the one count of properties there is. For example:
//
//   #include <iostream>
//   #include <sauramiti/platform/headless/headless_host.hpp>
//   headless::HeadlessHost host;
//   Sauramiti control(host);
//   control.Initialize();
//   control.InitProperties();
//   for (const PropertyEntry& p : kPropertyTable) std::cout << p.name << " " << p.help << "\n";
//   const PropertyEntry& english = PropertyNamed("English");    // checked while compiling
//   english.let(control, Variant::Boolean(false));              // Let, then PropertyChanged
//   control.English()                                           // 0
//
// Getting and setting through an entry. Reading gives the value with its type: a Boolean
// property as a Boolean with the 16 bits it holds, the 16-bit properties as Integer,
// UjjainAhargana and the enumeration properties as Long, JulianDate as Double, texts as String,
// the fonts as Font, and MaxYear as whatever Variant it stores. Setting converts the Variant to
// the property's type as an assignment to a typed property does, then calls the Let (Set for
// the fonts):
//   - 16-bit properties: numbers rounded half to even (error 6 outside 16 bits); a text that
//     is a whole number converts, other text is error 13;
//   - Boolean properties: the 16-bit value as it comes (5 stays 5; a Double is rounded); a
//     Boolean keeps its bits, and the texts "True" and "False" read as -1 and 0;
//   - enumerations and UjjainAhargana: as 32-bit integers;
//   - JulianDate: as a double;
//   - texts: numbers become their shortest decimal text, Booleans "True" or "False";
//   - fonts: only a font value (anything else is error 13);
//   - MaxYear: the Variant unchanged.
// A font value given to any other property is error 13. Conversion errors and the control's
// own refusals are RuntimeErrors, as the accessors raise them.
//
// Saving. WriteProperties writes the 21 original keys in this table's order, with the key
// "ShowEnglishDate" (which belongs to no property) after "Vertical"; ReadProperties reads the
// entries whose `loadPosition` is not 0, in that position's order. Both keep their order
// written out in lifecycle.cpp, where each key is stored into its own field; they take every key
// name and default from this table, and the control's tests check the two orders against it.
//
// Adding a property: append one entry (extension = true for a property beyond the original 21,
// with a `restore` that puts a loaded value into its field of the record), and write its
// accessor pair on `Sauramiti`. A new instance, WriteProperties and ReadProperties handle an
// extension's key from its entry alone, after the original keys and in table order. The
// command, the widget's tests, the property browser and the document checks pick the entry up;
// the widget's test fails until the widget declares the Q_PROPERTY.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <sauramiti/base/variant.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/platform/host.hpp>
#include <sauramiti/view/control_state.hpp>
#include <sauramiti/view/date_limits.hpp>
#include <string_view>

namespace sauramiti {

// The type a host sees; Enumeration is a 32-bit value read and printed as Long.
enum class PropertyType { Boolean, Integer, Long, Double, String, Font, Variant, Enumeration };

// When the control refuses an accessor, asking the host's UserMode first.
enum class ModeGuard {
  None,            // both accessors work in both modes
  ReadOnly,        // every Let fails: 387 at design time, 382 at run time
  RunTimeLet,      // the Let fails at design time with 387
  DesignTimeOnly,  // at run time the Get fails with 393 and the Let with 382
};

// A value as a constant: what the document is handed as a key's default.
struct StoredDefault {
  VariantType type = VariantType::Empty;  // Font means the host's ambient font
  std::int32_t number = 0;                // Boolean bits, Integer or Long
  std::string_view text;                  // String
  Variant ToVariant(platform::Host& host) const;
};

struct PropertyEntry {
  std::string_view name;
  PropertyType type;
  std::string_view newInstance;  // the value a new instance has, for people
  bool browsed;                  // listed by a property browser at design time
  bool extension;                // added beyond the original 21 properties
  ModeGuard guard;
  std::string_view help;  // attached to both accessors; empty when there is none
  // The document: the key (empty when not saved) and the default WriteProperties hands over.
  std::string_view savedKey;
  StoredDefault writeDefault;
  // The place among the keys ReadProperties reads (1 = first), 0 when never read; its default.
  int loadPosition;
  StoredDefault readDefault;
  std::string_view refreshes;  // what a successful Let recomputes or redraws
  std::string_view fires;      // the event a successful Let ends with
  Variant (*get)(const Sauramiti& control);
  void (*let)(Sauramiti& control, const Variant& value);
  // For an extension: puts a value read from the document, or the new-instance default, into
  // the control's record, with no event and no refresh (the loader refreshes once). Saving
  // reads the value back through `get`. Empty for the original 21, whose keys keep the order
  // written out in lifecycle.cpp.
  void (*restore)(view::ControlState& record, const Variant& value) = nullptr;
};

namespace property_values {
// The conversions of "Getting and setting through an entry" above.
std::int16_t BooleanBits(const Variant& value);
Variant Boolean(std::int16_t bits);
Variant Integer(std::int16_t value);
Variant Long(std::int32_t value);
Variant Text(std::string value);
}  // namespace property_values

namespace property_table_detail {

using C = Sauramiti;
using V = Variant;
using R = view::ControlState;
namespace pv = property_values;

constexpr StoredDefault kEmpty{};
constexpr StoredDefault kTrueBits{VariantType::Integer, -1, {}};     // saved as the Integer -1
constexpr StoredDefault kBooleanFalse{VariantType::Boolean, 0, {}};  // an extension that is off
constexpr StoredDefault kEmptyText{VariantType::String, 0, ""};
constexpr StoredDefault kIntegerZero{VariantType::Integer, 0, {}};
constexpr StoredDefault kLongZero{VariantType::Long, 0, {}};
constexpr StoredDefault kAmbientFont{VariantType::Font, 0, {}};

constexpr std::string_view kPropertyChanged = "PropertyChanged";
constexpr std::string_view kNoEvent = "none: every Let is refused";
constexpr std::string_view kDerived = "derived from today's date";

}  // namespace property_table_detail

// clang-format off
inline constexpr auto kPropertyTable = [] {
  using namespace property_table_detail;
  return std::to_array<PropertyEntry>({
    {"English", PropertyType::Boolean, "True", true, false, ModeGuard::None,
     "Returns/Sets whether the control is to be displayed in English",
     "English", kTrueBits, 1, kTrueBits,
     "the whole view (RefreshView) when the control is enabled", kPropertyChanged,
     [](const C& c) { return pv::Boolean(c.English()); },
     [](C& c, const V& v) { c.English(pv::BooleanBits(v)); }},
    {"Enabled", PropertyType::Boolean, "True", true, false, ModeGuard::None, "",
     "Enabled", {VariantType::Boolean, -1, {}}, 2, {VariantType::Boolean, -1, {}},
     "the child controls' enabled state (ApplyEnabled), then RefreshView", kPropertyChanged,
     [](const C& c) { return pv::Boolean(c.Enabled()); },
     [](C& c, const V& v) { c.Enabled(pv::BooleanBits(v)); }},
    {"MaxYear", PropertyType::Variant, "2100 (Integer)", true, false, ModeGuard::None,
     "Sets/Return the Maximum Year to be displayed in the combobox",
     "MaxYear", {VariantType::Integer, 2100, {}}, 3, {VariantType::Integer, 2100, {}},
     "the year list (FillYearList)", kPropertyChanged,
     [](const C& c) { return c.MaxYear(); },
     [](C& c, const V& v) { c.MaxYear(v); }},
    {"MinYear", PropertyType::Integer, "2000", true, false, ModeGuard::None,
     "Sets/Return the Minimum Year to be displayed in the combobox",
     "MinYear", {VariantType::Integer, 2000, {}}, 4, {VariantType::Integer, 2000, {}},
     "the year list (FillYearList)", kPropertyChanged,
     [](const C& c) { return pv::Integer(c.MinYear()); },
     [](C& c, const V& v) { c.MinYear(v.ToInt16()); }},
    {"DateValue", PropertyType::String, kDerived, false, false, ModeGuard::ReadOnly,
     "Gives the Date in Literal String",
     "DateValue", kEmptyText, 8, kEmptyText, "nothing", kNoEvent,
     [](const C& c) { return pv::Text(c.DateValue()); },
     [](C& c, const V& v) { c.DateValue(v.ToString()); }},
    {"month", PropertyType::Integer, kDerived, false, false, ModeGuard::ReadOnly,
     "Returns the Month", "month", kEmpty, 0, kEmpty, "nothing", kNoEvent,
     [](const C& c) { return pv::Integer(c.month()); },
     [](C& c, const V& v) { c.month(v.ToInt16()); }},
    {"Day", PropertyType::Integer, kDerived, false, false, ModeGuard::ReadOnly,
     "Returns the Day", "Day", kEmpty, 0, kEmpty, "nothing", kNoEvent,
     [](const C& c) { return pv::Integer(c.Day()); },
     [](C& c, const V& v) { c.Day(v.ToInt16()); }},
    {"Weekday", PropertyType::Integer, kDerived, false, false, ModeGuard::ReadOnly,
     "Gives the WeekDay of selected date", "Weekday", kEmpty, 0, kEmpty, "nothing", kNoEvent,
     [](const C& c) { return pv::Integer(c.Weekday()); },
     [](C& c, const V& v) { c.Weekday(v.ToInt16()); }},
    {"year", PropertyType::Integer, kDerived, false, false, ModeGuard::RunTimeLet,
     "Gives the year of the selected date", "year", kEmpty, 0, kEmpty,
     "nothing: the year alone is stored, the view keeps its date", kPropertyChanged,
     [](const C& c) { return pv::Integer(c.year()); },
     [](C& c, const V& v) { c.year(v.ToInt16()); }},
    {"UjjainAhargana", PropertyType::Long, kDerived, false, false, ModeGuard::ReadOnly,
     "Gives the value of Day passed since the beginning of Kali",
     "UjjainAhargana", kIntegerZero, 10, kIntegerZero, "nothing", kNoEvent,
     [](const C& c) { return pv::Long(c.UjjainAhargana()); },
     [](C& c, const V& v) { c.UjjainAhargana(v.ToInt32()); }},
    {"DateAD", PropertyType::String, kDerived, false, false, ModeGuard::ReadOnly,
     "Gives the Christian Equivalent date of Selected date",
     "DateAD", kEmptyText, 9, kEmptyText, "nothing", kNoEvent,
     [](const C& c) { return pv::Text(c.DateAD()); },
     [](C& c, const V& v) { c.DateAD(v.ToString()); }},
    {"EnglishFont", PropertyType::Font, "the host's ambient font", true, false, ModeGuard::None,
     "Returns/sets the name of the font when the ENGLISH property is true",
     "EnglishFont", kEmpty, 6, kAmbientFont,
     "the whole view (RefreshView) when English is on", kPropertyChanged,
     [](const C& c) { return V::Font(c.EnglishFont()); },
     [](C& c, const V& v) { c.EnglishFont(v.ToFont()); }},
    {"NepaliFont", PropertyType::Font, "the host's ambient font", true, false, ModeGuard::None,
     "Returns/Sets the font when the control's ENGLISH property is false",
     "NepaliFont", kEmpty, 7, kAmbientFont,
     "the whole view (RefreshView) when English is off", kPropertyChanged,
     [](const C& c) { return V::Font(c.NepaliFont()); },
     [](C& c, const V& v) { c.NepaliFont(v.ToFont()); }},
    {"Vertical", PropertyType::Boolean, "True", true, false, ModeGuard::None,
     "Return/Sets whether the control is to be displayed vertically or horizontally",
     "Vertical", kTrueBits, 5, kTrueBits,
     "the layout (the container's Resize) when the control is enabled", kPropertyChanged,
     [](const C& c) { return pv::Boolean(c.Vertical()); },
     [](C& c, const V& v) { c.Vertical(pv::BooleanBits(v)); }},
    {"Value", PropertyType::String, "today's date", false, false, ModeGuard::RunTimeLet,
     "Gives the Date in YYYY/mm/dd/w format",
     // The default the saved documents have always carried; a Value equal to it is not stored.
     "Value", {VariantType::String, 0, "2026/06/01/4"}, 0, kEmpty,
     "every derived date field (ApplySelectedDate), and the shown date when enabled",
     kPropertyChanged,
     [](const C& c) { return pv::Text(c.Value()); },
     [](C& c, const V& v) { c.Value(v.ToString()); }},
    {"EngStrDate", PropertyType::String, kDerived, false, false, ModeGuard::ReadOnly, "",
     "EngStrDate", {VariantType::String, 0, "0"}, 11, {VariantType::String, 0, "0"},
     "nothing", kNoEvent,
     [](const C& c) { return pv::Text(c.EngStrDate()); },
     [](C& c, const V& v) { c.EngStrDate(v.ToString()); }},
    {"JulianDate", PropertyType::Double, kDerived, false, false, ModeGuard::RunTimeLet, "",
     "JulianDate", kIntegerZero, 12, kIntegerZero,
     "nothing: the Julian day alone is stored", kPropertyChanged,
     [](const C& c) { return V::Double(c.JulianDate()); },
     [](C& c, const V& v) { c.JulianDate(v.ToDouble()); }},
    {"EnglishDateStyle", PropertyType::Enumeration, "datmmddyyyy (0)", false, false,
     ModeGuard::RunTimeLet, "",
     "EnglishDateStyle", kLongZero, 13, kLongZero,
     "DateAD re-formed in the new style (RestyleEnglishDate); no redraw", kPropertyChanged,
     [](const C& c) { return pv::Long(c.EnglishDateStyle()); },
     [](C& c, const V& v) {
       c.EnglishDateStyle(static_cast<MyEnglishDateStyleConstants>(v.ToInt32()));
     }},
    {"WeekDayStyle", PropertyType::Enumeration, "wkdShort (0)", true, false,
     ModeGuard::DesignTimeOnly, "Returns/Sets the style of the weekday to be displayed",
     "WeekDayStyle", kLongZero, 14, kLongZero,
     "the whole view (RefreshView)", kPropertyChanged,
     [](const C& c) { return pv::Long(c.WeekDayStyle()); },
     [](C& c, const V& v) { c.WeekDayStyle(static_cast<MyWeekDayStyle>(v.ToInt32())); }},
    {"Separator", PropertyType::Enumeration, "sepSlash (0)", false, false,
     ModeGuard::RunTimeLet, "",
     "Separator", kLongZero, 15, kLongZero,
     "Value and DateAD re-separated (ChangeSeparator); no redraw", kPropertyChanged,
     [](const C& c) { return pv::Long(c.Separator()); },
     [](C& c, const V& v) {
       c.Separator(static_cast<MyYMDSeparatorConstants>(v.ToInt32()));
     }},
    {"ToolTipText", PropertyType::String, "\"Click the Required Date\"", true, false,
     ModeGuard::None,
     "Returns/sets the text displayed when the mouse is paused over the control.",
     "ToolTipText", kEmptyText, 16, kEmptyText,
     "the tooltip of the inner frame Frame2", kPropertyChanged,
     [](const C& c) { return pv::Text(c.ToolTipText()); },
     [](C& c, const V& v) { c.ToolTipText(v.ToString()); }},
    {"SixWeeks", PropertyType::Boolean, "False", true, true, ModeGuard::None,
     "Returns/Sets whether the month shows six weeks (42 day cells), so no day wraps",
     "SixWeeks", kBooleanFalse, 17, kBooleanFalse,
     "the whole view (RefreshView)", kPropertyChanged,
     [](const C& c) { return pv::Boolean(c.SixWeeks()); },
     [](C& c, const V& v) { c.SixWeeks(pv::BooleanBits(v)); },
     [](R& r, const V& v) { r.SixWeeks = v.ToBoolean(); }},
    {"ShowGregorianDay", PropertyType::Boolean, "False", true, true, ModeGuard::None,
     "Returns/Sets whether each day cell also shows its Gregorian day of the month",
     "ShowGregorianDay", kBooleanFalse, 18, kBooleanFalse,
     "the whole view (RefreshView)", kPropertyChanged,
     [](const C& c) { return pv::Boolean(c.ShowGregorianDay()); },
     [](C& c, const V& v) { c.ShowGregorianDay(pv::BooleanBits(v)); },
     [](R& r, const V& v) { r.ShowGregorianDay = v.ToBoolean(); }},
    {"Calendar", PropertyType::Integer, "0 (the model)", true, true, ModeGuard::None,
     "Returns/Sets the calendar the control follows: 0 the model, 1 the published calendar",
     "Calendar", kIntegerZero, 19, kIntegerZero,
     "Value and the BS date fields (the same day in the new calendar), the whole view "
     "(RefreshView)", kPropertyChanged,
     [](const C& c) { return pv::Integer(c.Calendar()); },
     [](C& c, const V& v) { c.Calendar(v.ToInt16()); },
     [](R& r, const V& v) { r.Calendar = SauramitiRoutine::CheckedCalendarCode(v.ToInt16()); }},
    {"MarkToday", PropertyType::Boolean, "False", true, true, ModeGuard::None,
     "Returns/Sets whether today's day cell carries a mark of its own",
     "MarkToday", kBooleanFalse, 20, kBooleanFalse,
     "the whole view (RefreshView)", kPropertyChanged,
     [](const C& c) { return pv::Boolean(c.MarkToday()); },
     [](C& c, const V& v) { c.MarkToday(pv::BooleanBits(v)); },
     [](R& r, const V& v) { r.MarkToday = v.ToBoolean(); }},
    {"MinDate", PropertyType::String, "\"\" (no limit)", true, true, ModeGuard::None,
     "Returns/Sets the earliest date the user may pick, yyyy/mm/dd (empty: no limit)",
     "MinDate", kEmptyText, 21, kEmptyText,
     "the selected date when outside the limits, then the whole view (RefreshView)",
     kPropertyChanged,
     [](const C& c) { return pv::Text(c.MinDate()); },
     [](C& c, const V& v) { c.MinDate(v.ToString()); },
     [](R& r, const V& v) { view::StoreDateLimit(r, true, v.ToString()); }},
    {"MaxDate", PropertyType::String, "\"\" (no limit)", true, true, ModeGuard::None,
     "Returns/Sets the latest date the user may pick, yyyy/mm/dd (empty: no limit)",
     "MaxDate", kEmptyText, 22, kEmptyText,
     "the selected date when outside the limits, then the whole view (RefreshView)",
     kPropertyChanged,
     [](const C& c) { return pv::Text(c.MaxDate()); },
     [](C& c, const V& v) { c.MaxDate(v.ToString()); },
     [](R& r, const V& v) { view::StoreDateLimit(r, false, v.ToString()); }},
    {"HolidayForeColor", PropertyType::Long, "0 (black, as the weekdays)", true, true,
     ModeGuard::None, "Returns/Sets the text colour of the Saturday day cells, Nepal's holiday",
     "HolidayForeColor", kLongZero, 23, kLongZero,
     "the whole view (RefreshView)", kPropertyChanged,
     [](const C& c) { return pv::Long(c.HolidayForeColor()); },
     [](C& c, const V& v) { c.HolidayForeColor(v.ToInt32()); },
     [](R& r, const V& v) { r.HolidayForeColor = v.ToInt32(); }},
  });
}();
// clang-format on

inline constexpr std::size_t kPropertyCount = kPropertyTable.size();

// The one saved key that belongs to no property: written, always as Empty with an Empty
// default (so nothing is stored), right after the key named here; never read.
inline constexpr std::string_view kUnreadSavedKey = "ShowEnglishDate";
inline constexpr std::string_view kUnreadSavedKeyFollows = "Vertical";

// The entry of exactly that name; a name not in the table does not compile.
consteval const PropertyEntry& PropertyNamed(std::string_view name) {
  for (const PropertyEntry& entry : kPropertyTable) {
    if (entry.name == name) return entry;
  }
  throw "no property of that name";
}

// The entry of exactly that name; nullptr when there is none.
const PropertyEntry* FindPropertyEntry(std::string_view name);

}  // namespace sauramiti
