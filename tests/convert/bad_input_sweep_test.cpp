// Every 16-bit value in every 16-bit argument position of the public conversions, the other
// arguments held at valid values, and awkward doubles for the calls that take a day count. Each
// call must end in its documented answer for rejected input (0, the rejection text, ...) or in a
// run-time error with one of the conversion error numbers; anything else, or a crash under the
// sanitizers, is a fault.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/julian_day.hpp>
#include <string>
#include <tests/base/outcome.hpp>
#include <vector>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ErrorNumberOf;
using V = std::int16_t;

bool In(int v, int lo, int hi) { return lo <= v && v <= hi; }
bool Year(V v) { return In(v, 1, 9999); }
bool Month(V v) { return In(v, 1, 12); }
// Valid input must give a number in [lo, hi], invalid input exactly 0.
bool NumberOr0(bool valid, double got, double lo, double hi) {
  return valid ? lo <= got && got <= hi && got == std::floor(got * 2) / 2 : got == 0;
}
// "mm/dd/yyyy" (the year may carry a sign) or "yyyy/mm/dd/w".
bool IsGregorianText(const std::string& t) { return t.size() >= 10 && t[2] == '/' && t[5] == '/'; }
bool IsValueText(const std::string& t) {
  return t.size() == 12 && t[4] == '/' && t[7] == '/' && t[10] == '/' && In(t[11] - '0', 1, 7);
}
bool AdOrRejected(bool valid, const std::string& t) {
  return valid ? IsGregorianText(t) : t == "Nepali2EnglishDate =Invalid Date";
}
bool BsOrRejected(bool valid, const std::string& t) {
  return valid ? IsValueText(t) : t == "Invalid Input";
}

struct Sweep {
  std::string call;
  std::function<bool(V)> answerIsRight;
  // Which errors a value may end in: none, unless given.
  std::function<bool(V, std::int32_t)> errorAllowed = [](V, std::int32_t) { return false; };
};

// A sweep of `call` over v, whose result `got` must satisfy `rule`.
// clang-format off
#define SWEEP(call, rule, ...) Sweep{#call, [](V v) { const auto got = call; return rule; }, __VA_ARGS__}
// clang-format on

bool NegativeSeparator(V v, std::int32_t e) { return v < 0 && e == kInvalidProcedureCall; }
// Gregorian years run to 9999 but the BS range ends in Gregorian 9942.
bool PastTheRange(V v, std::int32_t e) { return v > 9900 && e == kSubscriptOutOfRange; }

TEST(BadInputSweepTest, EverySixteenBitArgumentEndsInAnAnswerOrADocumentedError) {
  const std::vector<Sweep> sweeps = {
      SWEEP(GetFirstWeekDay(v, 1), NumberOr0(Year(v), got, 1, 7)),
      SWEEP(GetFirstWeekDay(2059, v), NumberOr0(Month(v), got, 1, 7)),
      SWEEP(GetDaysInMonth(v, 12, disNepali), NumberOr0(Year(v), got, 29, 32)),
      SWEEP(GetDaysInMonth(2059, v, disNepali), NumberOr0(Month(v), got, 29, 32)),
      SWEEP(GetDaysInMonth(v, 2, disEnglish), NumberOr0(Year(v), got, 28, 29)),
      SWEEP(GetDaysInMonth(2059, 1, v), NumberOr0(v == 0 || v == 1, got, 31, 31)),
      SWEEP(GetWeekDay(v, 1, 29), NumberOr0(Year(v), got, 1, 7)),
      SWEEP(GetWeekDay(2059, v, 29), NumberOr0(Month(v), got, 1, 7)),
      SWEEP(GetWeekDay(2059, 2, v), NumberOr0(In(v, 1, 31), got, 1, 7)),
      SWEEP(GetKaliAhargana(v, 1, 1), NumberOr0(Year(v), got, 1112210, 4764067)),
      SWEEP(GetKaliAhargana(2059, v, 29), NumberOr0(Month(v), got, 1863913, 1864277)),
      SWEEP(GetKaliAhargana(2059, 1, v), NumberOr0(In(v, 1, 31), got, 1863913, 1863943)),
      SWEEP(GetKaliAhargana(2059, 1, 1, v),
            NumberOr0(In(v, 1, 7) || v == 9, got, 1863910, 1863916)),
      // With a weekday the day is not checked: every day lands on that weekday.
      SWEEP(GetKaliAhargana(2059, 1, v, 3), std::fmod(got, 7) == 4),
      SWEEP(GetJulianDate(2059, 1, v), NumberOr0(In(v, 1, 31), got, 2452378.5, 2452408.5)),
      SWEEP(GetJulianDate(v, 12, 32767, 7), NumberOr0(Year(v), got, 1700676, 5400000)),
      SWEEP(Nepali2EnglishDate(v, 1, 1), AdOrRejected(Year(v), got)),
      SWEEP(Nepali2EnglishDate(2059, v, 29), AdOrRejected(Month(v), got)),
      SWEEP(Nepali2EnglishDate(2059, 1, v), AdOrRejected(In(v, 1, 31), got)),
      SWEEP(Nepali2EnglishDate(9999, 12, v, 1), IsGregorianText(got)),
      SWEEP(Nepali2EnglishDate(2059, 1, 1, v), AdOrRejected(In(v, 1, 7) || v == 9, got)),
      SWEEP(Nepali2EnglishDate(2059, 1, 1, 9, v), v < 4 ? got.size() >= 10 : got == "04142002",
            NegativeSeparator),
      SWEEP(Nepali2EnglishDate(2059, 1, 1, 9, 0, v), got.size() == (In(v, 0, 2) ? 10u : 0u)),
      SWEEP(English2NepaliDate(v, 1, 1), BsOrRejected(Year(v), got), PastTheRange),
      SWEEP(English2NepaliDate(2002, v, 28), BsOrRejected(Month(v), got)),
      SWEEP(English2NepaliDate(2002, 2, v), BsOrRejected(In(v, 1, 28), got)),
      SWEEP(English2NepaliDate(2002, 4, 14, v), v < 4 ? got.size() >= 12 : got == "205901011",
            NegativeSeparator),
      SWEEP(AharGana2NepaliDate(1863913, v), v < 4 ? got.size() >= 12 : got == "205901011",
            NegativeSeparator),
      SWEEP(JDate2EnglishDate(2452378.5, v), v < 4 ? got.size() >= 10 : got == "04142002",
            NegativeSeparator),
      SWEEP(JDate2EnglishDate(2452378.5, 0, v), got.size() == (In(v, 0, 2) ? 10u : 0u)),
  };
  for (const Sweep& sweep : sweeps) {
    int faults = 0;
    for (int i = std::numeric_limits<V>::min(); i <= std::numeric_limits<V>::max(); ++i) {
      const auto v = static_cast<V>(i);
      bool right = false;
      const std::int32_t error = ErrorNumberOf([&] { right = sweep.answerIsRight(v); });
      if (error == 0 ? right : sweep.errorAllowed(v, error)) continue;
      if (++faults <= 5) ADD_FAILURE() << sweep.call << " with " << v << ": error " << error;
    }
    EXPECT_EQ(faults, 0) << sweep.call;
  }
}

TEST(BadInputSweepTest, AwkwardDayCountsEndInADateOrAnError) {
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<double> values = {DBL_MAX,    -DBL_MAX,    DBL_MIN,     -0.0,    1112209.9999999998,
                                1112210,    4764069.4,   4764069.5,   4764070, 13689324.5,
                                13689325.5, -10247454.5, -10247455.5, 1e20,    -std::nan("")};
  for (const double edge : {32767.0, 65536.0, 2147483647.0, 4294967296.0, 9007199254740992.0,
                            9223372036854775808.0, inf, 4.9e-324}) {
    for (const double near : {std::nextafter(edge, 0.0), edge, std::nextafter(edge, inf)}) {
      values.insert(values.end(), {near, -near, near + 0.5});
    }
  }
  for (const double k : values) {
    std::string text;
    const std::int32_t error = ErrorNumberOf([&] { text = AharGana2NepaliDate(k); });
    if (std::isnan(k) || std::isinf(k)) {
      EXPECT_EQ(error, kOverflow) << k;
    } else if (k < 1112210) {
      EXPECT_EQ(error, kSubscriptOutOfRange) << k << ": no date before BS 0001/01/01";
    } else {
      EXPECT_TRUE(error == 0 ? IsValueText(text)
                             : error == kOverflow || error == kSubscriptOutOfRange)
          << k << ": error " << error << ", " << text;
    }
    for (const std::int32_t style : {0, 2, 3, std::numeric_limits<std::int32_t>::max()}) {
      const bool inRange = k >= -10247454.5 && k < 13689325.5;
      const std::int32_t jdError =
          ErrorNumberOf([&] { text = JDate2EnglishDate(k, sepDash, style); });
      EXPECT_EQ(jdError, inRange ? 0 : kOverflow) << k;
      if (inRange) {
        EXPECT_EQ(text.empty(), style > 2) << k << ": " << text;
      }
    }
  }
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
