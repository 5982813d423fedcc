// Fuzzes the readers and re-writers of date texts with arbitrary bytes: Value strings, the long
// English form, restyling and re-punctuation. Besides "only documented errors": a Value string
// read back from what MakeValueString wrote gives the same pieces, re-punctuating between two
// separators and back restores a text that held neither, and re-punctuation never changes the
// number of characters between one-character separators.
#include <array>
#include <cstdint>
#include <fuzz/fuzz_support.hpp>
#include <sauramiti/base/utf8_text.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <string>

namespace {

using namespace sauramiti;
using namespace sauramiti::SauramitiRoutine;
using fuzz::ConsumeCode;
using fuzz::Require;
using fuzz::Returns;

const std::array<std::string, 13> kEnglishMonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};
const std::array<std::string, 13> kMonthNames = {"",     "j}zfv",    "h]i&",   "cfiff(", ">fj)f",
                                                 "efb|", "cflZjg",   "sflt{s", "dfu{",   "kf}if",
                                                 "df#",  "kmfNu')f", "r}q"};
const std::array<std::string, 8> kWeekdayNames = {"",          "Sunday",   "Monday", "Tuesday",
                                                  "Wednesday", "Thursday", "Friday", "Saturday"};

bool Contains(const std::string& text, std::int32_t code) {
  const std::string_view sep = SeparatorChar(code);
  return !sep.empty() && text.find(sep) != std::string::npos;
}

void FuzzValueString(const std::string& text) {
  const BsDateParts parts = ReadValueString(text);
  std::string literal;
  Require(Returns([&] { literal = LiteralBsDate(parts, kMonthNames, kWeekdayNames); }),
          "the literal form can always be made");
  // What the control writes, it reads back the same, whatever the separator.
  if (parts.year >= 0 && parts.month >= 0 && parts.day >= 0 && parts.weekday >= 0 &&
      parts.weekday <= 9) {
    for (std::int32_t sep = 0; sep <= 3; ++sep) {
      const BsDateParts again =
          ReadValueString(MakeValueString(parts.year, parts.month, parts.day, parts.weekday, sep));
      Require(again.year == parts.year && again.month == parts.month && again.day == parts.day &&
                  again.weekday == parts.weekday,
              "a written Value string reads back");
    }
  }
}

void FuzzGregorianText(FuzzedDataProvider& data, const std::string& text) {
  const std::int32_t style = ConsumeCode(data);
  const auto english = data.ConsumeIntegral<std::int16_t>();
  std::string long_form;
  Returns([&] { long_form = EnglishLiteralDate(text, style, english, kEnglishMonthNames); });
  std::string restyled;
  const std::int32_t to_style = ConsumeCode(data);
  const std::int32_t sep = ConsumeCode(data);
  if (Returns([&] { restyled = RestyleEnglishDate(text, style, to_style, sep); }) &&
      to_style >= 0 && to_style <= 2 && sep >= 0 && sep <= 3) {
    // A restyled date is written in full; reading it again in its new style and writing it in
    // the same way again changes nothing.
    Require(RestyleEnglishDate(restyled, to_style, to_style, sep) == restyled ||
                CharLength(restyled) != 10,
            "a restyled date text is stable");
  }
}

void FuzzChangeSeparator(FuzzedDataProvider& data, const std::string& text) {
  const std::int32_t from = ConsumeCode(data);
  const std::int32_t to = ConsumeCode(data);
  std::string changed;
  if (!Returns([&] { changed = ChangeSeparator(text, from, to); })) return;
  if (from == to) Require(changed == text, "equal codes change nothing");
  const bool both_real = from >= 0 && from <= 3 && to >= 0 && to <= 3;
  if (both_real) {
    Require(CharLength(changed) == CharLength(text), "one character for one character");
    if (!Contains(text, to)) {
      Require(ChangeSeparator(changed, to, from) == text, "there and back again");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const int target = data.ConsumeIntegralInRange<int>(0, 2);
  const std::size_t text_length = data.ConsumeIntegralInRange<std::size_t>(0, 64);
  const std::string text = data.ConsumeBytesAsString(text_length);
  switch (target) {
    case 0:
      FuzzValueString(text);
      break;
    case 1:
      FuzzGregorianText(data, text);
      break;
    default:
      FuzzChangeSeparator(data, text);
      break;
  }
  return 0;
}
