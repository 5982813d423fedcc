#include <array>
#include <cmath>
#include <cstdio>
#include <sauramiti/base/json_string.hpp>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <sauramiti/view/name_tables.hpp>
#include <string_view>
#include <web/src/view_snapshot.hpp>

namespace sauramiti::web {

namespace {

class JsonObject {
 public:
  explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
  ~JsonObject() { out_ += '}'; }
  JsonObject(const JsonObject&) = delete;
  JsonObject& operator=(const JsonObject&) = delete;

  void Key(std::string_view key) {
    if (!first_) out_ += ',';
    first_ = false;
    out_ += QuoteJsonString(key);
    out_ += ':';
  }
  void Text(std::string_view key, std::string_view value) {
    Key(key);
    out_ += QuoteJsonString(value);
  }
  void Number(std::string_view key, double value) {
    Key(key);
    // Any text that reads back as the same double will do: JavaScript only parses it. Whole
    // numbers (colours, indices, days, most twips) go as digits; the rest (a position the layout
    // divided, a font size) as 17 significant digits, which always read back exactly. The
    // shortest text, as the methods' results need it, has no std::to_chars to lean on with this
    // toolchain and cost tens of microseconds a number: most of a redraw's time.
    constexpr double kExactWhole = 9007199254740992.0;  // 2^53
    if (!std::isfinite(value)) {
      out_ += "null";
    } else if (value == std::trunc(value) && std::fabs(value) < kExactWhole) {
      out_ += std::to_string(static_cast<long long>(value));
    } else {
      std::array<char, 32> text{};
      const int length = std::snprintf(text.data(), text.size(), "%.17g", value);
      out_.append(text.data(), static_cast<std::size_t>(length));
    }
  }

  void Flag(std::string_view key, bool value) {
    Key(key);
    out_ += value ? "true" : "false";
  }

 private:
  std::string& out_;
  bool first_ = true;
};

struct Shown {
  bool nepali = false;
  std::string Text(const std::string& stored) const {
    return nepali ? view::LegacyFontToUnicode(stored) : stored;
  }
};

void CommonParts(JsonObject& o, std::string_view name, std::string_view kind,
                 std::string_view parent, const platform::ChildControl& c) {
  o.Text("name", name);
  o.Text("kind", kind);
  o.Text("parent", parent);
  o.Number("left", c.Left());
  o.Number("top", c.Top());
  o.Number("width", c.Width());
  o.Number("height", c.Height());
  o.Flag("enabled", c.Enabled());
  o.Flag("visible", c.Visible());
  o.Number("back", c.BackColor());
}

void FontParts(JsonObject& o, const platform::HasFont& f) {
  o.Text("font", f.FontName());
  o.Number("size", f.FontSize());
  o.Flag("bold", f.FontBold());
}

void LabelParts(JsonObject& o, const platform::Label& label, const Shown& shown) {
  o.Text("caption", shown.Text(label.Caption()));
  o.Text("tooltip", shown.Text(label.ToolTipText()));
  o.Number("fore", label.ForeColor());
  o.Flag("selected", label.S3() == 0);
  if (!label.CornerText().empty()) o.Text("corner", shown.Text(label.CornerText()));
  if (label.Outlined()) o.Flag("outlined", true);
  FontParts(o, label);
}

// The day number a cell shows: its caption as a whole number from 1 to 32, else 0.
int DayShown(const platform::Label& cell) {
  const auto number = ParseWholeNumber(cell.Caption());
  if (!number || *number < 1 || *number > 32 || *number != static_cast<int>(*number)) return 0;
  return static_cast<int>(*number);
}

struct ShownMonth {
  int year = 0;   // 0 when the year list shows no number
  int month = 0;  // 1 to 12, or 0 when the month list shows no month of its own
};

ShownMonth MonthShown(const view::ChildControls& c) {
  ShownMonth shown;
  if (const auto year = ParseWholeNumber(c.cboYear->Text())) shown.year = static_cast<int>(*year);
  const std::int32_t index = c.CBoMonth->ListIndex();
  if (index >= 0 && index < 12) shown.month = index + 1;
  return shown;
}

// The members of the "children" array, written one after another with commas between.
struct ChildList {
  std::string& out;
  bool first = true;
  void Next() {
    if (!first) out += ',';
    first = false;
  }
};

void WriteLists(ChildList& list, const view::ChildControls& c, const Shown& shown) {
  std::string& out = list.out;
  for (const auto& [name, combo] :
       {std::pair{"cboYear", c.cboYear.get()}, std::pair{"CBoMonth", c.CBoMonth.get()}}) {
    list.Next();
    JsonObject o(out);
    CommonParts(o, name, "combo", "Frame1", *combo);
    FontParts(o, *combo);
    o.Text("text", shown.Text(combo->Text()));
    o.Number("index", combo->ListIndex());
    o.Key("items");
    out += '[';
    for (std::int32_t i = 0; i < combo->ListCount(); ++i) {
      if (i > 0) out += ',';
      out += QuoteJsonString(shown.Text(combo->List(i)));
    }
    out += ']';
  }
}

// The day cells; `todayDay` is the day marked as today in the month shown, 0 for none.
void WriteDayCells(ChildList& list, const view::ChildControls& c, const Shown& shown,
                   const ShownMonth& month, int todayDay) {
  for (std::size_t j = 0; j < c.lblDay.size(); ++j) {
    const platform::Label& cell = *c.lblDay[j];
    if (j >= view::kDayCellCount && !cell.Visible()) continue;  // no sixth week shown
    list.Next();
    JsonObject o(list.out);
    CommonParts(o, "lblDay(" + std::to_string(j) + ")", "day", "Frame2", cell);
    LabelParts(o, cell, shown);
    const int day = DayShown(cell);
    o.Number("day", day);
    std::string label;
    if (day > 0 && month.month > 0) {
      label = SauramitiRoutine::WeekdayNames[j % 7 + 1] + " " + std::to_string(day) + " " +
              SauramitiRoutine::MonthNames[static_cast<std::size_t>(month.month)] + " " +
              std::to_string(month.year);
    }
    o.Text("label", shown.Text(label));
    o.Flag("today", todayDay > 0 && day == todayDay && day > 0);
  }
}

// The day of `today` in the month shown, 0 when that month is not today's.
int TodayInMonth(const ShownMonth& month, platform::LocalDate today) {
  int todayYear = 0, todayMonth = 0, todayDay = 0;
  try {
    const std::string value =
        SauramitiRoutine::English2NepaliDate(today.year, today.month, today.day, sepSlash);
    std::sscanf(value.c_str(), "%d/%d/%d", &todayYear, &todayMonth, &todayDay);
  } catch (const RuntimeError&) {
    // A clock outside the calendar's range marks no day.
  }
  return month.year == todayYear && month.month == todayMonth ? todayDay : 0;
}

}  // namespace

std::string ViewSnapshotJson(const Sauramiti& control, const platform::Host& host,
                             platform::LocalDate today) {
  const view::ChildControls& c = control.Children();
  // The month and weekday names of the control's language: the control loads the shared name
  // tables before each use too, so loading them here changes nothing any instance sees.
  std::string gregorianTitle;
  SauramitiRoutine::LoadNameTables(control.English(), gregorianTitle);
  // Nepali shown as Devanagari: every caption of a control whose English is 0 is written for
  // the legacy Nepali font, digits included.
  const Shown shown{control.English() == 0};
  const ShownMonth month = MonthShown(c);

  // Today's BS date, for the cell that carries it.
  const int todayDay = TodayInMonth(month, today);

  std::string out;
  {
    JsonObject root(out);
    root.Flag("english", control.English() != 0);
    root.Flag("vertical", control.Vertical() != 0);
    root.Flag("enabled", host.Enabled());
    root.Number("width", host.Width());
    root.Number("height", host.Height());
    root.Number("year", month.year);
    root.Number("month", month.month);
    root.Key("children");
    out += '[';
    ChildList list{out};
    list.Next();
    {
      JsonObject o(out);
      CommonParts(o, "Frame1", "frame", "", *c.Frame1);
    }
    list.Next();
    {
      JsonObject o(out);
      CommonParts(o, "Frame2", "frame", "Frame1", *c.Frame2);
    }
    for (const auto& [name, label] :
         {std::pair{"Label1", c.Label1.get()}, std::pair{"Label2", c.Label2.get()}}) {
      list.Next();
      JsonObject o(out);
      CommonParts(o, name, "label", "Frame1", *label);
      LabelParts(o, *label, shown);
    }
    WriteLists(list, c, shown);
    for (std::size_t i = 0; i < c.lblWD.size(); ++i) {
      list.Next();
      JsonObject o(out);
      CommonParts(o, "lblWD(" + std::to_string(i) + ")", "header", "Frame2", *c.lblWD[i]);
      LabelParts(o, *c.lblWD[i], shown);
      o.Text("label", shown.Text(SauramitiRoutine::WeekdayNames[i + 1]));
    }
    WriteDayCells(list, c, shown, month, todayDay);
    out += ']';
  }
  return out;
}

}  // namespace sauramiti::web
