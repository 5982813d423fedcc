// The control's nine methods, called from JavaScript.
//
// JavaScript puts each argument into a slot: omitted, a number, or a text. The method's
// parameter list (the one `sauramiti call` uses) says how each is read:
//   - a text is read exactly as `sauramiti call` reads its argument texts ("-" is an omitted
//     argument, "2059" an integer, "x" error 13);
//   - a number for an Integer or Enumeration parameter must be a whole number (else error 13,
//     NaN and the infinities included) within the parameter's range (else error 6), the same
//     rule as for a text; a number for a Double parameter is taken as it is.
// Too many arguments, or a required one omitted, is error 450, as for the command.
//
// The methods run on a control instance that lives on its own in-memory host, so the answers
// are those of the control itself; the calendar-only module (SAURAMITI_WEB_CALENDAR_ONLY)
// answers through the calendar's routines instead, which the control's methods call unchanged.
#include <emscripten/emscripten.h>

#include <array>
#include <cli/call_arguments.hpp>
#include <cli/method_binding.hpp>
#include <cli/method_signatures.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <sauramiti/base/json_string.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <string>
#include <type_traits>
#include <variant>
#include <web/src/boundary.hpp>

#ifndef SAURAMITI_WEB_CALENDAR_ONLY
#include <cli/method_host.hpp>
#endif

namespace sauramiti::web {

namespace {

// What JavaScript put into a slot; kOther is a value of no kind a parameter takes (null, a
// boolean, an object), a type mismatch once the argument count has been checked.
enum SlotKind : std::int32_t { kOmitted = 0, kNumber = 1, kTextArgument = 2, kOther = 3 };

struct ArgumentSlots {
  std::array<double, cli::kMaxParameters> numbers{};
  std::array<std::int32_t, cli::kMaxParameters> kinds{};
  std::array<std::string, cli::kMaxParameters> texts;
};

ArgumentSlots& Slots() {
  static ArgumentSlots slots;
  return slots;
}

#ifdef SAURAMITI_WEB_CALENDAR_ONLY
// The calendar's routines under the control's method names.
struct CalendarRoutines {
  std::string English2NepaliDate(std::int16_t y, std::int16_t m, std::int16_t d,
                                 MyYMDSeparatorConstants sep) const {
    return SauramitiRoutine::English2NepaliDate(y, m, d, sep);
  }
  std::int16_t GetFirstWeekDay(std::int16_t y, std::int16_t m) const {
    return SauramitiRoutine::GetFirstWeekDay(y, m);
  }
  std::int16_t GetDaysInMonth(std::int16_t y, std::int16_t m,
                              MyDateDistinguisherConstants what) const {
    return SauramitiRoutine::GetDaysInMonth(y, m, what);
  }
  std::int16_t GetWeekDay(std::int16_t y, std::int16_t m, std::int16_t d) const {
    return SauramitiRoutine::GetWeekDay(y, m, d);
  }
  double GetKaliAhargana(std::int16_t y, std::int16_t m, std::int16_t d, std::int16_t w) const {
    return SauramitiRoutine::GetKaliAhargana(y, m, d, w);
  }
  std::string Nepali2EnglishDate(std::int16_t y, std::int16_t m, std::int16_t d, std::int16_t w,
                                 MyYMDSeparatorConstants sep,
                                 MyEnglishDateStyleConstants style) const {
    return SauramitiRoutine::Nepali2EnglishDate(y, m, d, w, sep, style);
  }
  double GetJulianDate(std::int16_t y, std::int16_t m, std::int16_t d, std::int16_t w) const {
    return SauramitiRoutine::GetJulianDate(y, m, d, w);
  }
  std::string AharGana2NepaliDate(double k, MyYMDSeparatorConstants sep) const {
    return SauramitiRoutine::AharGana2NepaliDate(k, sep);
  }
  std::string JDate2EnglishDate(double jd, MyYMDSeparatorConstants sep,
                                MyEnglishDateStyleConstants style) const {
    return SauramitiRoutine::JDate2EnglishDate(jd, sep, style);
  }
};
#endif

const cli::MethodTable& Methods() {
#ifdef SAURAMITI_WEB_CALENDAR_ONLY
  static const CalendarRoutines routines;
  static const cli::MethodTable table = cli::MakeMethodTable(routines);
#else
  static const cli::MethodHost host;
  static const cli::MethodTable table = cli::MakeMethodTable(host.Control());
#endif
  return table;
}

// A number for an integer parameter: whole and within [min, max].
std::int64_t WholeNumberIn(double value, double min, double max) {
  if (!std::isfinite(value) || std::trunc(value) != value) Raise(kTypeMismatch);
  if (value < min || value > max) Raise(kOverflow);
  return static_cast<std::int64_t>(value);
}

cli::ArgumentValue NumberArgument(double value, cli::ParameterKind kind) {
  switch (kind) {
    case cli::ParameterKind::Integer:
      return static_cast<std::int16_t>(WholeNumberIn(value,
                                                     std::numeric_limits<std::int16_t>::min(),
                                                     std::numeric_limits<std::int16_t>::max()));
    case cli::ParameterKind::Enumeration:
      return static_cast<std::int32_t>(WholeNumberIn(value,
                                                     std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
    case cli::ParameterKind::Double:
      return value;
  }
  Raise(kTypeMismatch);
}

bool IsOmitted(const ArgumentSlots& slots, std::size_t i, std::size_t given) {
  if (i >= given || slots.kinds[i] == kOmitted) return true;
  return slots.kinds[i] == kTextArgument && slots.texts[i] == cli::kOmittedArgument;
}

Status Call(std::int32_t index, std::int32_t given) {
  const auto methods = Methods().Methods();
  if (index < 0 || static_cast<std::size_t>(index) >= methods.size()) Raise(kNoSuchMethod);
  const cli::Method& method = methods[static_cast<std::size_t>(index)];
  const auto parameters = method.signature->parameters;
  const auto count = static_cast<std::size_t>(given);
  if (given < 0 || count > parameters.size()) Raise(kWrongArgumentCount);
  const ArgumentSlots& slots = Slots();
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    if (!parameters[i].optional && IsOmitted(slots, i, count)) Raise(kWrongArgumentCount);
  }
  cli::ArgumentList values{};
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    if (IsOmitted(slots, i, count)) {
      values[i] = parameters[i].defaultValue;
    } else if (slots.kinds[i] == kNumber) {
      values[i] = NumberArgument(slots.numbers[i], parameters[i].kind);
    } else if (slots.kinds[i] == kOther) {
      Raise(kTypeMismatch);
    } else {
      values[i] = cli::ParseArgument(slots.texts[i], parameters[i].kind);
    }
  }
  return std::visit(
      [](auto&& result) -> Status {
        using T = std::decay_t<decltype(result)>;
        if constexpr (std::is_same_v<T, std::string>) {
          return ReturnText(std::move(result));
        } else if constexpr (std::is_same_v<T, double>) {
          return ReturnDouble(result);
        } else {
          return ReturnInteger(result);
        }
      },
      method.invoke(values));
}

const char* KindName(cli::ParameterKind kind) {
  switch (kind) {
    case cli::ParameterKind::Integer:
      return "Integer";
    case cli::ParameterKind::Enumeration:
      return "Enumeration";
    case cli::ParameterKind::Double:
      return "Double";
  }
  return "";
}

// The methods and their parameters as JSON, in call order, so that JavaScript builds its
// functions from the same lists the command uses:
// [{"name": "GetWeekDay", "parameters": [{"name": "thisyear", "kind": "Integer",
//   "optional": false}, ...]}, ...]
std::string SignaturesJson() {
  std::string json = "[";
  for (const cli::Method& method : Methods().Methods()) {
    if (json.size() > 1) json += ",";
    json += "{\"name\":" + QuoteJsonString(method.signature->name) + ",\"parameters\":[";
    bool first = true;
    for (const cli::ParameterSpec& parameter : method.signature->parameters) {
      if (!first) json += ",";
      first = false;
      json += "{\"name\":" + QuoteJsonString(parameter.name) + ",\"kind\":\"" +
              KindName(parameter.kind) +
              "\",\"optional\":" + (parameter.optional ? "true" : "false") + "}";
    }
    json += "]}";
  }
  return json + "]";
}

}  // namespace

}  // namespace sauramiti::web

using namespace sauramiti::web;

extern "C" {

// The slots JavaScript fills before a call: six numbers, six kinds, and a text per slot.
EMSCRIPTEN_KEEPALIVE double* sm_argument_numbers() { return Slots().numbers.data(); }
EMSCRIPTEN_KEEPALIVE std::int32_t* sm_argument_kinds() { return Slots().kinds.data(); }
// Room for a text of `length` bytes in slot `i`; JavaScript writes the UTF-8 bytes there.
EMSCRIPTEN_KEEPALIVE char* sm_argument_text(std::int32_t i, std::int32_t length) {
  std::string& text = Slots().texts.at(static_cast<std::size_t>(i));
  text.assign(static_cast<std::size_t>(length), '\0');
  return text.data();
}

// Method `index` (in the order of sm_method_signatures) with the first `given` slots.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_call(std::int32_t index, std::int32_t given) {
  return Guarded([&] { return Call(index, given); });
}

EMSCRIPTEN_KEEPALIVE std::int32_t sm_method_signatures() {
  return Guarded([] { return ReturnText(SignaturesJson()); });
}

// The standard description of a run-time error number, as the result text.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_error_description(std::int32_t number) {
  return Guarded([&] { return ReturnText(std::string(sauramiti::ErrorDescription(number))); });
}
}
