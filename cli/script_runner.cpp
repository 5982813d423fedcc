#include <charconv>
#include <cli/method_binding.hpp>
#include <cli/method_call.hpp>
#include <cli/method_host.hpp>
#include <cli/property_table.hpp>
#include <cli/script_runner.hpp>
#include <cli/script_value.hpp>
#include <cli/script_words.hpp>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <sauramiti/base/rounding.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <sauramiti/document/refused_value.hpp>
#include <sauramiti/platform/headless/child_report.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sauramiti/platform/headless/value_format.hpp>
#include <sauramiti/platform/user_actions.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <span>
#include <string>
#include <string_view>
#include <terminal/ansi_text.hpp>
#include <terminal/view_layout.hpp>
#include <terminal/view_picture.hpp>
#include <vector>

namespace sauramiti::cli {

namespace {

using Words = std::span<const ScriptWord>;

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

void ExpectCount(Words args, std::size_t count, std::string_view usage) {
  if (args.size() != count) throw ScriptLineError("usage: " + std::string(usage));
}

// A whole number as written in the script: an optional "-" and digits. One too large for 64 bits
// is taken as the largest (or smallest) 64-bit number, which lies outside every list anyway.
std::int64_t WholeNumber(const ScriptWord& word, std::string_view what) {
  std::string_view text = word.text;
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (word.quoted || !IsDigits(text)) {
    throw ScriptLineError(std::string(what) + " must be a whole number: " + word.text);
  }
  std::int64_t value = 0;
  const auto [end, error] =
      std::from_chars(word.text.data(), word.text.data() + word.text.size(), value);
  if (error == std::errc::result_out_of_range) {
    return negative ? std::numeric_limits<std::int64_t>::min()
                    : std::numeric_limits<std::int64_t>::max();
  }
  return value;
}

std::int32_t ClampTo32(std::int64_t value) {
  if (value < std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  if (value > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

// A file name: a plain word, or a JSON string for names with blanks.
std::string FileName(const ScriptWord& word) {
  return word.quoted ? DecodeJsonString(word.text) : word.text;
}

// The character of `type`: one character, given plainly or as a JSON string; its code as the
// 16-bit code unit a key press carries.
std::int16_t KeyCode(const ScriptWord& word) {
  const std::string text = word.quoted ? DecodeJsonString(word.text) : word.text;
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i]));
  };
  std::uint32_t code = 0;
  std::size_t length = 0;
  if (!text.empty()) {
    const std::uint32_t lead = byte(0);
    if (lead < 0x80) {
      code = lead;
      length = 1;
    } else if (lead >= 0xC2 && lead <= 0xDF && text.size() >= 2) {
      code = ((lead & 0x1FU) << 6U) | (byte(1) & 0x3FU);
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF && text.size() >= 3) {
      code = ((lead & 0x0FU) << 12U) | ((byte(1) & 0x3FU) << 6U) | (byte(2) & 0x3FU);
      length = 3;
    }
    for (std::size_t i = 1; i < length; ++i) {
      if ((byte(i) & 0xC0U) != 0x80U) length = 0;
    }
    // Overlong forms and surrogates are not characters.
    if (length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) length = 0;
  }
  if (length == 0 || length != text.size()) {
    throw ScriptLineError("type takes exactly one character (of the 16-bit range): " + word.text);
  }
  // The key code is a signed 16-bit value; codes above 0x7FFF keep their bits.
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(code));
}

class ScriptSession {
 public:
  ScriptSession(std::ostream& out, std::ostream& err)
      : out_(out), err_(err), detachedMethods_(MakeMethodTable(methodHost_.Control())) {}

  ~ScriptSession() {
    try {
      EndInstance();
    } catch (...) {  // a failing Terminate at the very end has nobody left to report to
    }
  }

  ScriptSession(const ScriptSession&) = delete;
  ScriptSession& operator=(const ScriptSession&) = delete;

  // Runs one line; false when it is not a command.
  bool Run(std::string_view line, std::size_t lineNumber) {
    lineNumber_ = lineNumber;
    try {
      const std::vector<ScriptWord> words = SplitScriptLine(line);
      Execute(words);
      return true;
    } catch (const RuntimeError& error) {
      out_ << "error " << error.Number() << '\n';
      return true;
    } catch (const ScriptLineError& error) {
      Complain(error.what());
    } catch (const std::exception& error) {
      Complain(std::string("internal failure: ") + error.what());
    }
    return false;
  }

 private:
  using Handler = void (ScriptSession::*)(Words);
  struct Command {
    std::string_view name;
    Handler handler;
  };

  void Complain(std::string_view message) {
    out_.flush();
    err_ << "script: line " << lineNumber_ << ": " << message << '\n';
  }

  void Execute(Words words) {
    static constexpr Command kCommands[] = {
        {"clock", &ScriptSession::Clock},     {"mode", &ScriptSession::Mode},
        {"size", &ScriptSession::Size},       {"new", &ScriptSession::New},
        {"load", &ScriptSession::Load},       {"save", &ScriptSession::Save},
        {"get", &ScriptSession::Get},         {"let", &ScriptSession::Let},
        {"call", &ScriptSession::Call},       {"click-day", &ScriptSession::ClickDay},
        {"choose", &ScriptSession::Choose},   {"dropdown", &ScriptSession::DropDown},
        {"type", &ScriptSession::Type},       {"events", &ScriptSession::Events},
        {"inspect", &ScriptSession::Inspect}, {"show", &ScriptSession::Show},
    };
    const ScriptWord& name = words.front();
    for (const Command& command : kCommands) {
      if (!name.quoted && name.text == command.name) {
        (this->*command.handler)(words.subspan(1));
        return;
      }
    }
    throw ScriptLineError("unknown command \"" + name.text + "\"");
  }

  Sauramiti& Instance(std::string_view command) {
    if (!control_) {
      throw ScriptLineError(std::string(command) +
                            " needs a control: create one first with \"new\" or \"load\"");
    }
    return *control_;
  }

  // The list a script names ("year" or "month"), by its child's name.
  std::string_view ListName(const ScriptWord& which, std::string_view command) {
    Instance(command);
    if (!which.quoted && which.text == "year") return platform::kYearListName;
    if (!which.quoted && which.text == "month") return platform::kMonthListName;
    throw ScriptLineError("the list is \"year\" or \"month\", not " + which.text);
  }

  // A person's action, delivered through the host as a toolkit would deliver it.
  void Deliver(platform::UserActionKind kind, std::string_view child, std::int32_t argument) {
    host_->Perform({kind, std::string(child), argument});
  }

  const PropertyAccess& Property(const ScriptWord& name) {
    const PropertyAccess* property = name.quoted ? nullptr : FindProperty(name.text);
    if (property == nullptr) throw ScriptLineError("unknown property \"" + name.text + "\"");
    return *property;
  }

  // Ends the current instance, if any, and places a new one on a fresh surface.
  void PlaceInstance() {
    EndInstance();
    host_->Enabled(true);
    host_->Resize(surfaceWidth_, surfaceHeight_);
    control_ = std::make_unique<Sauramiti>(*host_);
    controlMethods_.emplace(MakeMethodTable(*control_));
  }

  // A surface of its own for an instance that replaces the current one only if it comes to
  // life: enabled, of the script's size, with its clock and mode.
  std::unique_ptr<headless::HeadlessHost> MakeSurface() const {
    auto host = std::make_unique<headless::HeadlessHost>();
    if (clock_) host->SetToday(*clock_);
    host->SetUserMode(runMode_);
    host->Resize(surfaceWidth_, surfaceHeight_);
    return host;
  }

  // Reads a document into an instance on a surface of its own, which is then dropped.
  document::ReadIntoFreshInstance TrialRead() const {
    return [this](platform::PropertyBag& bag) {
      const auto host = MakeSurface();
      Sauramiti control(*host);
      control.Initialize();
      control.ReadProperties(bag);
    };
  }

  void EndInstance() {
    if (!control_) return;
    controlMethods_.reset();
    control_->Terminate();
    control_.reset();
  }

  // ---- The commands ----

  void Clock(Words args) {
    ExpectCount(args, 1, "clock YYYY-MM-DD");
    const std::string& text = args[0].text;
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string::npos ? first : text.find('-', first + 1);
    const auto part = [&](std::size_t from, std::size_t to) {
      return std::string_view(text).substr(from, to - from);
    };
    if (args[0].quoted || second == std::string::npos) {
      throw ScriptLineError("clock takes a date YYYY-MM-DD: " + text);
    }
    const std::string_view y = part(0, first);
    const std::string_view m = part(first + 1, second);
    const std::string_view d = part(second + 1, text.size());
    if (!IsDigits(y) || !IsDigits(m) || !IsDigits(d) || y.size() > 4 || m.size() > 2 ||
        d.size() > 2) {
      throw ScriptLineError("clock takes a date YYYY-MM-DD: " + text);
    }
    const auto number = [](std::string_view digits) {
      std::int16_t value = 0;
      std::from_chars(digits.data(), digits.data() + digits.size(), value);
      return value;
    };
    const platform::LocalDate date{number(y), number(m), number(d)};
    if (date.year < 1 ||
        !SauramitiRoutine::IsValidDate(date.year, date.month, date.day, disEnglish)) {
      throw ScriptLineError("no such Gregorian date: " + text);
    }
    host_->SetToday(date);
    clock_ = date;
  }

  void Mode(Words args) {
    ExpectCount(args, 1, "mode run|design");
    if (!args[0].quoted && args[0].text == "run") {
      host_->SetUserMode(runMode_ = true);
    } else if (!args[0].quoted && args[0].text == "design") {
      host_->SetUserMode(runMode_ = false);
    } else {
      throw ScriptLineError("the mode is \"run\" or \"design\", not " + args[0].text);
    }
  }

  void Size(Words args) {
    ExpectCount(args, 2, "size WIDTH HEIGHT (twips)");
    std::optional<double> sides[2];
    for (std::size_t i = 0; i < 2; ++i) {
      if (!args[i].quoted) sides[i] = ParseDecimalNumber(args[i].text);
      if (!sides[i]) throw ScriptLineError("a size must be a number of twips: " + args[i].text);
    }
    const float width = ToSingle(*sides[0]);
    const float height = ToSingle(*sides[1]);
    surfaceWidth_ = width;
    surfaceHeight_ = height;
    host_->Resize(width, height);
  }

  void New(Words args) {
    ExpectCount(args, 0, "new");
    PlaceInstance();
    control_->Initialize();
    control_->InitProperties();
  }

  // The document is read into a new instance on a surface of its own; only when that succeeds
  // does it replace the current instance (which then gets Terminate). A failure prints
  // `error N` with a note naming the file, the key and the value, and leaves the current
  // instance, its surface and its events as they were.
  void Load(Words args) {
    ExpectCount(args, 1, "load FILE");
    const std::string file = FileName(args[0]);
    std::optional<document::JsonPropertyBag> bag;
    try {
      bag.emplace(document::JsonPropertyBag::Load(file));
    } catch (const document::DocumentError& error) {
      throw ScriptLineError(error.what());
    }
    auto host = MakeSurface();
    auto control = std::make_unique<Sauramiti>(*host);
    try {
      control->Initialize();
      control->ReadProperties(*bag);
    } catch (const RuntimeError& error) {
      const auto refusal = document::ExplainRefusal(file, *bag, TrialRead(), error.Number());
      out_.flush();
      err_ << "script: line " << lineNumber_ << ": note: " << refusal.what() << '\n';
      throw;
    }
    EndInstance();
    for (std::string& event : host_->TakeEvents()) carriedEvents_.push_back(std::move(event));
    host_ = std::move(host);
    control_ = std::move(control);
    controlMethods_.emplace(MakeMethodTable(*control_));
  }

  void Save(Words args) {
    ExpectCount(args, 1, "save FILE");
    const std::string file = FileName(args[0]);
    document::JsonPropertyBag bag;
    Instance("save").WriteProperties(bag);
    try {
      bag.Save(file);
    } catch (const document::DocumentError& error) {
      throw ScriptLineError(error.what());
    }
  }

  void Get(Words args) {
    ExpectCount(args, 1, "get PROPERTY");
    const PropertyAccess& property = Property(args[0]);
    out_ << headless::FormatVariantForGet(property.get(Instance("get"))) << '\n';
  }

  void Let(Words args) {
    if (args.size() < 2) throw ScriptLineError("usage: let PROPERTY VALUE");
    const PropertyAccess& property = Property(args[0]);
    Sauramiti& control = Instance("let");
    const Variant value = ParseScriptValue(args.subspan(1));
    property.let(control, value);
  }

  void Call(Words args) {
    if (args.empty()) throw ScriptLineError("usage: call METHOD [ARGUMENT...]");
    std::vector<std::string_view> arguments;
    for (const ScriptWord& word : args.subspan(1)) arguments.emplace_back(word.text);
    const MethodTable& table = controlMethods_ ? *controlMethods_ : detachedMethods_;
    std::string line;
    AppendCallLine(table, args[0].text, arguments, line);
    out_ << line << '\n';
  }

  void ClickDay(Words args) {
    ExpectCount(args, 1, "click-day CELL (0 to 34, to 41 with SixWeeks)");
    const std::int64_t cell = WholeNumber(args[0], "a day cell");
    const view::ChildControls& children = Instance("click-day").Children();
    // Like an element of a control array that does not exist.
    // The sixth week's cells exist only as far as a script can tell while they are shown.
    if (cell < 0 || cell >= static_cast<std::int64_t>(children.lblDay.size()) ||
        !children.lblDay[static_cast<std::size_t>(cell)]->Visible()) {
      Raise(kSubscriptOutOfRange);
    }
    Deliver(platform::UserActionKind::ClickLabel, platform::DayCellName(static_cast<int>(cell)), 0);
  }

  void Choose(Words args) {
    ExpectCount(args, 2, "choose year|month INDEX");
    const std::int64_t index = WholeNumber(args[1], "an entry index");
    Deliver(platform::UserActionKind::ChooseEntry, ListName(args[0], "choose"), ClampTo32(index));
  }

  void DropDown(Words args) {
    ExpectCount(args, 1, "dropdown year|month");
    Deliver(platform::UserActionKind::OpenList, ListName(args[0], "dropdown"), 0);
  }

  void Type(Words args) {
    ExpectCount(args, 2, "type year|month CHARACTER");
    const std::int16_t code = KeyCode(args[1]);
    Deliver(platform::UserActionKind::TypeCharacter, ListName(args[0], "type"),
            static_cast<std::uint16_t>(code));
  }

  void Events(Words args) {
    ExpectCount(args, 0, "events");
    for (const std::string& event : carriedEvents_) out_ << event << '\n';
    carriedEvents_.clear();
    for (const std::string& event : host_->TakeEvents()) out_ << event << '\n';
  }

  void Inspect(Words args) {
    ExpectCount(args, 2, "inspect CONTROL PROPERTY");
    const Sauramiti& control = Instance("inspect");
    // A sixth-week cell is as absent as it was before SixWeeks while that setting hides it.
    const auto& cells = control.Children().lblDay;
    for (std::size_t j = view::kDayCellCount; j < cells.size(); ++j) {
      if (!cells[j]->Visible() && args[0].text == platform::DayCellName(static_cast<int>(j))) {
        throw ScriptLineError("no child control named \"" + args[0].text + "\"");
      }
    }
    try {
      out_ << headless::Inspect(*host_, args[0].text, args[1].text) << '\n';
    } catch (const headless::InspectError& error) {
      throw ScriptLineError(error.what());
    }
  }

  void Show(Words args) {
    ExpectCount(args, 0, "show");
    const Sauramiti& control = Instance("show");
    const terminal::Script script =
        control.English() == 0 ? terminal::Script::Devanagari : terminal::Script::AsStored;
    const terminal::ViewPicture picture =
        terminal::TakeViewPicture(control.Children(), control.Vertical(), script);
    terminal::WriteStyledLines(out_, terminal::LayOutView(picture, {}), /*withColor=*/false);
  }

  std::ostream& out_;
  std::ostream& err_;
  std::size_t lineNumber_ = 0;
  // The surface of the current instance; a `load` brings its own (see Load).
  std::unique_ptr<headless::HeadlessHost> host_ = std::make_unique<headless::HeadlessHost>();
  std::optional<platform::LocalDate> clock_;
  bool runMode_ = true;
  // Events of a surface that a load replaced, not yet printed.
  std::vector<std::string> carriedEvents_;
  float surfaceWidth_ = headless::HeadlessHost::kDesignWidth;
  float surfaceHeight_ = headless::HeadlessHost::kDesignHeight;
  MethodHost methodHost_;  // answers `call` before the first `new` or `load`
  MethodTable detachedMethods_;
  std::unique_ptr<Sauramiti> control_;
  std::optional<MethodTable> controlMethods_;
};

bool IsSkipped(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos || line[first] == '#';
}

}  // namespace

int RunScript(std::istream& in, std::ostream& out, std::ostream& err, bool flushEachLine) {
  ScriptSession session(out, err);
  bool allCommands = true;
  std::string line;
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (IsSkipped(line)) continue;
    allCommands = session.Run(line, number) && allCommands;
    if (flushEachLine) out.flush();
  }
  out.flush();
  return allCommands ? 0 : 2;
}

}  // namespace sauramiti::cli
