// Fuzzes the conversions between BS dates, Kali Ahargana, Julian days and Gregorian dates with
// arbitrary 16-bit, enumeration and double arguments. Besides "only documented errors", each
// call checks what its answer must satisfy: weekdays and month lengths in their ranges, a
// counted BS date converting back to itself, a Gregorian date converting back through its BS
// date, and the day-to-date formula agreeing with its classic form in doubles.
#include <cmath>
#include <cstdint>
#include <fuzz/fuzz_support.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <sauramiti/convert/julian_day.hpp>
#include <string>

namespace {

using namespace sauramiti;
using namespace sauramiti::SauramitiRoutine;
using fuzz::Consume16;
using fuzz::ConsumeCode;
using fuzz::ConsumeDouble;
using fuzz::Require;
using fuzz::Returns;

bool IsWeekday(int w) { return w >= 1 && w <= 7; }

// The Value string of a BS date with its own weekday.
std::string ValueOf(std::int16_t y, std::int16_t m, std::int16_t d) {
  return FormatYMD(y, m, d, sepSlash, datyyyymmdd) + "/" + std::to_string(GetWeekDay(y, m, d));
}

// The classic day-to-date formula in doubles, for Julian days whose year fits 16 bits.
GregorianDate ClassicJulianDayToDate(double jd) {
  const double z = std::floor(jd + 0.5);
  double a = z;
  if (z > 2299160) {
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    a = z + 1 + alpha - std::floor(alpha / 4);
  }
  const double b = a + 1524;
  const double c = std::floor((b - 122.1) / 365.25);
  const double d = std::floor(365.25 * c);
  const double e = std::floor((b - d) / 30.6001);
  const double day = b - d - std::floor(30.6001 * e);
  const double month = e < 13.5 ? e - 1 : e - 13;
  const double year = month > 2.5 ? c - 4716 : c - 4715;
  return {static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
          static_cast<std::int16_t>(day)};
}

void FuzzMonthStructure(FuzzedDataProvider& data) {
  const std::int16_t y = Consume16(data, -2, 10002);
  const std::int16_t m = Consume16(data, -1, 14);
  const std::int16_t d = Consume16(data, -2, 34);
  const bool valid = y >= 1 && y <= 9999 && m >= 1 && m <= 12;
  const std::int16_t first = GetFirstWeekDay(y, m);
  Require(valid ? IsWeekday(first) : first == 0, "first weekday");
  const std::int16_t length = GetDaysInMonth(y, m, disNepali);
  Require(valid ? length >= 29 && length <= 32 : length == 0, "BS month length");
  const std::int16_t weekday = GetWeekDay(y, m, d);
  Require(valid && d >= 1 && d <= length ? IsWeekday(weekday) : weekday == 0, "weekday");
  const std::int32_t whatdate = ConsumeCode(data);
  const std::int16_t any_length = GetDaysInMonth(y, m, whatdate);
  Require(any_length == 0 || whatdate == disNepali || whatdate == disEnglish, "other calendar");
  Require(IsValidDate(y, m, d, whatdate) == (d >= 1 && d <= any_length), "valid date");
}

void FuzzKaliAhargana(FuzzedDataProvider& data) {
  const std::int16_t y = Consume16(data, 0, 10000);
  const std::int16_t m = Consume16(data, 0, 13);
  const std::int16_t d = Consume16(data, 0, 33);
  const std::int16_t w = data.ConsumeBool() ? std::int16_t{9} : Consume16(data, -1, 10);
  double count = 0;
  Require(Returns([&] { count = GetKaliAhargana(y, m, d, w); }), "GetKaliAhargana never fails");
  double julian = 0;
  Require(Returns([&] { julian = GetJulianDate(y, m, d, w); }), "GetJulianDate never fails");
  Require(julian == (count == 0 ? 0 : count + 588465.5), "Julian day is the count moved");
  if (count != 0 && w == 9) {
    // Every date converts back, except those of year 9999 after its first days, whose counts
    // lie where the year estimate already points past the range.
    std::string back;
    if (Returns([&] { back = AharGana2NepaliDate(count); })) {
      Require(back == ValueOf(y, m, d), "a counted date comes back");
    } else {
      Require(y == 9999 && count > 4764069, "a counted date converts back");
    }
  }
  if (count != 0) {
    Require(std::fmod(count, 7) == (w == 9 ? GetWeekDay(y, m, d) + 1 : w + 1) % 7,
            "the count falls on the weekday");
  }
  std::string text;
  Returns([&] { text = Nepali2EnglishDate(y, m, d, w, ConsumeCode(data), ConsumeCode(data)); });
}

void FuzzDayCount(FuzzedDataProvider& data) {
  const double count = ConsumeDouble(data, 1112200, 4764080);
  const std::int32_t sep = ConsumeCode(data);
  std::string text;
  if (Returns([&] { text = AharGana2NepaliDate(count, sep); }) && sep == sepSlash) {
    const BsDateParts parts = ReadValueString(text);
    Require(parts.day >= 1 && parts.day <= GetDaysInMonth(parts.year, parts.month, disNepali),
            "a count gives a day of its month");
    Require(parts.weekday == GetWeekDay(parts.year, parts.month, parts.day),
            "a count gives the date's weekday");
  }
}

void FuzzGregorian(FuzzedDataProvider& data) {
  const std::int16_t y = Consume16(data, 0, 10000);
  const std::int16_t m = Consume16(data, 0, 13);
  const std::int16_t d = Consume16(data, 0, 32);
  std::string value;
  if (!Returns([&] { value = English2NepaliDate(y, m, d, sepSlash); })) return;
  if (value.size() != 12) return;  // the rejection text
  const bool gregorian_era = y > 1582 || (y == 1582 && (m > 10 || (m == 10 && d >= 15)));
  if (!gregorian_era) return;
  const BsDateParts parts = ReadValueString(value);
  std::string back;
  Require(Returns([&] {
            back = Nepali2EnglishDate(parts.year, parts.month, parts.day, 9, sepSlash, datyyyymmdd);
          }),
          "a BS date of a Gregorian date converts back");
  Require(back == FormatYMD(y, m, d, sepSlash, datyyyymmdd), "a Gregorian date comes back");
}

void FuzzJulianDay(FuzzedDataProvider& data) {
  const double jd = ConsumeDouble(data, -10247460, 13689330);
  GregorianDate date;
  const bool returned = Returns([&] { date = JulianDayToGregorian(jd); });
  const bool in_range = jd >= -10247454.5 && jd < 13689325.5;
  Require(returned == in_range, "only years outside 16 bits fail");
  if (returned) Require(date == ClassicJulianDayToDate(jd), "the classic formula agrees");
  std::string text;
  Returns([&] { text = JDate2EnglishDate(jd, ConsumeCode(data), ConsumeCode(data)); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  switch (data.ConsumeIntegralInRange<int>(0, 4)) {
    case 0:
      FuzzMonthStructure(data);
      break;
    case 1:
      FuzzKaliAhargana(data);
      break;
    case 2:
      FuzzDayCount(data);
      break;
    case 3:
      FuzzGregorian(data);
      break;
    default:
      FuzzJulianDay(data);
      break;
  }
  return 0;
}
