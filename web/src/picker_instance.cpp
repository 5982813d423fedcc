// A control instance for the web component: the control on the headless host, driven from
// JavaScript the way a user and a form drive it.
//
// JavaScript holds an instance by its address. Everything it does goes through one of these
// functions: create and destroy; take a snapshot of the view (view_snapshot.hpp); read or set a
// property by its name (the property table the `sauramiti script` command uses); the user's
// actions on the child controls (click a day cell, choose a list entry, open a list), all
// delivered through the host's user-action call; keys, carried out by the shared navigation
// layer (sauramiti/navigation); resize; take the events the control raised; save and load the
// document.
#include <emscripten/emscripten.h>

#include <cli/property_table.hpp>
#include <cmath>
#include <memory>
#include <optional>
#include <sauramiti/base/json_string.hpp>
#include <sauramiti/base/number_text.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <sauramiti/navigation/day_cells.hpp>
#include <sauramiti/navigation/navigator.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <string>
#include <web/src/boundary.hpp>
#include <web/src/view_snapshot.hpp>

namespace sauramiti::web {

namespace {

class PickerInstance {
 public:
  // A new instance: InitProperties, or ReadProperties from `document` when one is given. A
  // document that is not valid fails here, before any control exists.
  PickerInstance(platform::LocalDate today, const char* documentText) {
    if (today.year != 0) host_.SetToday(today);
    std::optional<document::JsonPropertyBag> bag;
    if (documentText != nullptr) {
      bag.emplace(document::JsonPropertyBag::FromJsonText(documentText, "the document"));
    }
    control_ = std::make_unique<Sauramiti>(host_);
    control_->Initialize();
    if (bag) {
      control_->ReadProperties(*bag);
    } else {
      control_->InitProperties();
    }
    host_.TakeEvents();  // a new instance's own notifications are nobody's doing
    // The focus is a day, as in the terminal picker: a web grid moves it past the month's ends
    // and keeps it on a day number when the page turns.
    keys_ = std::make_unique<navigation::Navigator>(*control_, host_, host_,
                                                    navigation::FocusModel::Days);
  }
  ~PickerInstance() { control_->Terminate(); }
  PickerInstance(const PickerInstance&) = delete;
  PickerInstance& operator=(const PickerInstance&) = delete;

  headless::HeadlessHost& Host() { return host_; }
  Sauramiti& Control() { return *control_; }
  navigation::Navigator& Keys() { return *keys_; }
  platform::LocalDate Today() { return host_.Today(); }

 private:
  headless::HeadlessHost host_;  // declared first: it must outlive the control
  std::unique_ptr<Sauramiti> control_;
  std::unique_ptr<navigation::Navigator> keys_;  // after the control it refers to
};

PickerInstance& Of(std::uintptr_t address) { return *reinterpret_cast<PickerInstance*>(address); }

const cli::PropertyAccess& PropertyNamed(const char* name) {
  const cli::PropertyAccess* property = cli::FindProperty(name);
  if (property == nullptr) Raise(kNoSuchMethod);  // no such property or method: error 438
  return *property;
}

// A property's value as JSON: {"type": "Integer", "value": 2059}; fonts with their parts.
std::string VariantJson(const Variant& v) {
  const std::string type = "{\"type\":\"" + std::string(TypeName(v.Type())) + "\"";
  const auto number = [](double x) {
    return std::isfinite(x) ? ShortestText(x) : QuoteJsonString(ShortestText(x));
  };
  switch (v.Type()) {
    case VariantType::Empty:
      return type + "}";
    case VariantType::Boolean:
      return type + ",\"value\":" + std::to_string(v.BooleanBits()) + "}";
    case VariantType::Integer:
      return type + ",\"value\":" + std::to_string(v.IntegerValue()) + "}";
    case VariantType::Long:
      return type + ",\"value\":" + std::to_string(v.LongValue()) + "}";
    case VariantType::Single:
      return type + ",\"value\":" + number(std::stod(ShortestText(v.SingleValue()))) + "}";
    case VariantType::Double:
      return type + ",\"value\":" + number(v.DoubleValue()) + "}";
    case VariantType::String:
      return type + ",\"value\":" + QuoteJsonString(v.StringValue()) + "}";
    case VariantType::Font: {
      const FontRef& font = v.FontValue();
      if (!font) return type + ",\"value\":null}";
      return type + ",\"name\":" + QuoteJsonString(font->name) +
             ",\"size\":" + number(std::stod(ShortestText(font->size))) +
             ",\"bold\":" + (font->bold ? "true" : "false") +
             ",\"italic\":" + (font->italic ? "true" : "false") +
             ",\"underline\":" + (font->underline ? "true" : "false") +
             ",\"strikethrough\":" + (font->strikethrough ? "true" : "false") + "}";
    }
  }
  return type + "}";
}

std::string EventsJson(std::vector<std::string> events) {
  std::string json = "[";
  for (const std::string& event : events) {
    if (json.size() > 1) json += ",";
    json += QuoteJsonString(event);
  }
  return json + "]";
}

// The stable name of the year list (which 0) or the month list (which 1).
std::string ListName(std::int32_t which) {
  return std::string(which == 0 ? platform::kYearListName : platform::kMonthListName);
}

// A user action on a child, through the host's user-action call. The host raises the run-time
// error a toolkit's own list raises (an entry outside the list: error 5); a name that is no live
// child cannot come from the component, and says so as error 9.
platform::UserActionOutcome Deliver(PickerInstance& p, platform::UserActionKind kind,
                                    std::string child, std::int32_t argument) {
  const platform::UserActionOutcome outcome =
      p.Host().Perform(platform::UserAction{kind, std::move(child), argument});
  if (outcome == platform::UserActionOutcome::NoSuchChild ||
      outcome == platform::UserActionOutcome::WrongKind) {
    Raise(kSubscriptOutOfRange);
  }
  return outcome;
}

}  // namespace

}  // namespace sauramiti::web

using namespace sauramiti;
using namespace sauramiti::web;

extern "C" {

// A new instance (Initialize, then InitProperties, or ReadProperties from `documentText` when it
// is not null) whose clock says the given local date; year 0 leaves it on the system clock. The
// result number is the instance's address. A host loading a document makes a new instance this
// way and replaces its old one only when this succeeded.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_create(std::int32_t year, std::int32_t month,
                                                   std::int32_t day, const char* documentText) {
  return Guarded([&] {
    const platform::LocalDate today{static_cast<std::int16_t>(year),
                                    static_cast<std::int16_t>(month),
                                    static_cast<std::int16_t>(day)};
    auto instance = std::make_unique<PickerInstance>(today, documentText);
    return ReturnDouble(static_cast<double>(reinterpret_cast<std::uintptr_t>(instance.release())));
  });
}

EMSCRIPTEN_KEEPALIVE void sm_picker_destroy(std::uintptr_t p) {
  Guarded([&] {
    delete &Of(p);
    return kNothing;
  });
}

EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_view(std::uintptr_t p) {
  return Guarded([&] {
    PickerInstance& instance = Of(p);
    return ReturnText(ViewSnapshotJson(instance.Control(), instance.Host(), instance.Today()));
  });
}

EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_get(std::uintptr_t p, const char* name) {
  return Guarded([&] { return ReturnText(VariantJson(PropertyNamed(name).get(Of(p).Control()))); });
}

// Set a property from a number of the given type (1 Boolean, 2 Integer, 3 Long, 5 Double).
EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_let_number(std::uintptr_t p, const char* name,
                                                       std::int32_t type, double value) {
  return Guarded([&] {
    const cli::PropertyAccess& property = PropertyNamed(name);
    Variant v;
    switch (static_cast<VariantType>(type)) {
      case VariantType::Boolean:
        v = Variant::Boolean(static_cast<std::int16_t>(value));
        break;
      case VariantType::Integer:
        v = Variant::Integer(static_cast<std::int16_t>(value));
        break;
      case VariantType::Long:
        v = Variant::Long(static_cast<std::int32_t>(value));
        break;
      default:
        v = Variant::Double(value);
    }
    property.let(Of(p).Control(), v);
    return kNothing;
  });
}

EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_let_text(std::uintptr_t p, const char* name,
                                                     const char* text) {
  return Guarded([&] {
    PropertyNamed(name).let(Of(p).Control(), Variant::String(text));
    return kNothing;
  });
}

EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_set_font(std::uintptr_t p, const char* name,
                                                     const char* fontName, double size,
                                                     std::int32_t flags) {
  return Guarded([&] {
    auto font = std::make_shared<Font>();
    font->name = fontName;
    font->size = static_cast<float>(size);
    font->bold = (flags & 1) != 0;
    font->italic = (flags & 2) != 0;
    font->underline = (flags & 4) != 0;
    font->strikethrough = (flags & 8) != 0;
    PropertyNamed(name).let(Of(p).Control(), Variant::Font(font));
    return kNothing;
  });
}

// The user clicks day cell `cell` (0 to 34): the focus goes there and the cell takes the click,
// both through the navigation layer. The result is a navigation::Result: 1 when the cell took
// the click, 0 when it showed no day, 3 when the control takes no input (disabled, design mode).
EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_click_cell(std::uintptr_t p, std::int32_t cell) {
  return Guarded([&] {
    if (cell < 0 || cell >= navigation::kDayCells) Raise(kSubscriptOutOfRange);
    return ReturnInteger(static_cast<std::int32_t>(Of(p).Keys().ClickCell(cell)));
  });
}

// The user presses `key` (a navigation::Key) with the focus in `area` (a navigation::Area, the
// part of the element that has the browser's focus); the result is a navigation::Result.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_press(std::uintptr_t p, std::int32_t key,
                                                  std::int32_t area) {
  return Guarded([&] {
    if (key < 0 || key > static_cast<std::int32_t>(navigation::Key::Space) || area < 0 ||
        area > static_cast<std::int32_t>(navigation::Area::MonthList)) {
      Raise(kInvalidProcedureCall);
    }
    navigation::Navigator& keys = Of(p).Keys();
    keys.FocusArea(static_cast<navigation::Area>(area));
    return ReturnInteger(static_cast<std::int32_t>(keys.Press(static_cast<navigation::Key>(key))));
  });
}

// The day cell with the keyboard focus (-1: none shows a day). The focus first settles on a day
// the month has: after the page changed under it (a Value set from outside, say) it keeps its
// day number where the new month has one, else the month's last day.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_focus_cell(std::uintptr_t p) {
  return Guarded([&] {
    navigation::Navigator& keys = Of(p).Keys();
    keys.SettleOnCell();
    return ReturnInteger(keys.FocusCell());
  });
}

// The user chooses entry `index` of the year list (which 0) or the month list (which 1).
EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_choose(std::uintptr_t p, std::int32_t which,
                                                   std::int32_t index) {
  return Guarded([&] {
    Deliver(Of(p), platform::UserActionKind::ChooseEntry, ListName(which), index);
    return kNothing;
  });
}

EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_drop_down(std::uintptr_t p, std::int32_t which) {
  return Guarded([&] {
    Deliver(Of(p), platform::UserActionKind::OpenList, ListName(which), 0);
    return kNothing;
  });
}

// The host resizes the surface (twips): both sides, then one Resize.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_resize(std::uintptr_t p, double width, double height) {
  return Guarded([&] {
    Of(p).Host().Resize(static_cast<float>(width), static_cast<float>(height));
    return kNothing;
  });
}

// The control lays itself out again at its present size. The layout places the grid under the
// lists by their height before it sets the lists' font for the new size, so a single pass after
// a size change leaves the grid placed for the old font; a toolkit's own geometry passes hide
// this, and the web component runs this second pass after every size change it makes.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_relayout(std::uintptr_t p) {
  return Guarded([&] {
    Of(p).Control().UserControl_Resize();
    return kNothing;
  });
}

// Run mode (1) or design mode (0) from now on.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_set_user_mode(std::uintptr_t p, std::int32_t run) {
  return Guarded([&] {
    Of(p).Host().SetUserMode(run != 0);
    return kNothing;
  });
}

// The events since the last call, as a JSON array: "PropertyChanged NAME" or "Click".
EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_take_events(std::uintptr_t p) {
  return Guarded([&] { return ReturnText(EventsJson(Of(p).Host().TakeEvents())); });
}

EMSCRIPTEN_KEEPALIVE std::int32_t sm_picker_write_document(std::uintptr_t p) {
  return Guarded([&] {
    document::JsonPropertyBag bag;
    Of(p).Control().WriteProperties(bag);
    return ReturnText(bag.ToJsonText());
  });
}

// The Devanagari a legacy Nepali-font text draws (a Nepali DateValue, for people to read).
EMSCRIPTEN_KEEPALIVE std::int32_t sm_legacy_to_unicode(const char* text) {
  return Guarded([&] { return ReturnText(view::LegacyFontToUnicode(text)); });
}
}
