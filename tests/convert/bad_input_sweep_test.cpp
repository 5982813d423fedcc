// Every 16-bit value in every 16-bit argument position of the public conversions, the other
// arguments held at valid values, and the awkward doubles for the two that take a day count.
// Each call must end in its documented answer for rejected input (0, the rejection text, ...)
// or in a run-time error with one of the conversion error numbers; anything else, or a crash
// under the sanitizers, is a fault.
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
#include <string_view>
#include <tests/base/error_number.hpp>
#include <vector>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ErrorNumberOf;
using testing::IsDocumentedConversionError;

constexpr std::string_view kInvalidBs = "Nepali2EnglishDate =Invalid Date";
constexpr std::string_view kInvalidGregorian = "Invalid Input";

// What one call ended in: its result, checked by the sweep, or an error number.
struct Sweep {
  std::string_view name;
  // Runs the call for argument v; returns whether the result is what v should give. Errors
  // propagate.
  std::function<bool(std::int16_t v)> call;
  // The error numbers v may end in (empty: none at all).
  std::function<bool(std::int16_t v, std::int32_t error)> error_allowed =
      [](std::int16_t, std::int32_t) { return false; };
};

void RunSweeps(const std::vector<Sweep>& sweeps) {
  for (const Sweep& sweep : sweeps) {
    int faults = 0;
    for (int i = std::numeric_limits<std::int16_t>::min();
         i <= std::numeric_limits<std::int16_t>::max(); ++i) {
      const auto v = static_cast<std::int16_t>(i);
      bool answer_ok = true;
      const std::int32_t error = ErrorNumberOf([&] { answer_ok = sweep.call(v); });
      const bool ok = error == 0
                          ? answer_ok
                          : IsDocumentedConversionError(error) && sweep.error_allowed(v, error);
      if (!ok && ++faults <= 5) {
        ADD_FAILURE() << sweep.name << " with " << v << ": "
                      << (error == 0 ? "unexpected answer" : "error " + std::to_string(error));
      }
    }
    EXPECT_EQ(faults, 0) << sweep.name;
  }
}

bool Between(int v, int lo, int hi) { return lo <= v && v <= hi; }
bool IsWeekday(int w) { return Between(w, 1, 7); }
bool IsValidBsYear(int y) { return Between(y, 1, 9999); }
bool IsValidBsMonth(int m) { return Between(m, 1, 12); }
bool IsWholeCount(double k) { return k >= 1e6 && k < 5e6 && k == std::floor(k); }

// A Gregorian date text "mm/dd/yyyy" (the year may carry a sign): ten or more characters.
bool LooksLikeGregorianText(const std::string& text) {
  return text.size() >= 10 && text[2] == '/' && text[5] == '/';
}
// A Value string "yyyy/mm/dd/w" of the range.
bool LooksLikeValueString(const std::string& text) {
  return text.size() == 12 && text[4] == '/' && text[7] == '/' && text[10] == '/' &&
         IsWeekday(text[11] - '0');
}

TEST(BadInputSweepTest, MonthStructureAnswersZeroForEveryInvalidArgument) {
  RunSweeps({
      {"GetFirstWeekDay year",
       [](std::int16_t v) {
         const int w = GetFirstWeekDay(v, 1);
         return IsValidBsYear(v) ? IsWeekday(w) : w == 0;
       }},
      {"GetFirstWeekDay month",
       [](std::int16_t v) {
         const int w = GetFirstWeekDay(2059, v);
         return IsValidBsMonth(v) ? IsWeekday(w) : w == 0;
       }},
      {"GetDaysInMonth BS year",
       [](std::int16_t v) {
         const int n = GetDaysInMonth(v, 12, disNepali);
         return IsValidBsYear(v) ? Between(n, 29, 32) : n == 0;
       }},
      {"GetDaysInMonth BS month",
       [](std::int16_t v) {
         const int n = GetDaysInMonth(2059, v, disNepali);
         return IsValidBsMonth(v) ? Between(n, 29, 32) : n == 0;
       }},
      {"GetDaysInMonth Gregorian year",
       [](std::int16_t v) {
         const int n = GetDaysInMonth(v, 2, disEnglish);
         return IsValidBsYear(v) ? Between(n, 28, 29) : n == 0;
       }},
      {"GetDaysInMonth calendar",
       [](std::int16_t v) {
         const int n = GetDaysInMonth(2059, 1, v);
         return v == disNepali ? n == 31 : v == disEnglish ? n == 31 : n == 0;
       }},
      {"GetWeekDay year",
       [](std::int16_t v) {
         const int w = GetWeekDay(v, 1, 29);
         return IsValidBsYear(v) ? IsWeekday(w) : w == 0;
       }},
      {"GetWeekDay month",
       [](std::int16_t v) {
         const int w = GetWeekDay(2059, v, 29);
         return IsValidBsMonth(v) ? IsWeekday(w) : w == 0;
       }},
      {"GetWeekDay day",
       [](std::int16_t v) {
         const int w = GetWeekDay(2059, 1, v);
         return Between(v, 1, 31) ? IsWeekday(w) : w == 0;
       }},
  });
  EXPECT_EQ(GetDaysInMonth(2059, 1, std::numeric_limits<std::int32_t>::max()), 0);
  EXPECT_EQ(GetDaysInMonth(2059, 1, std::numeric_limits<std::int32_t>::min()), 0);
}

TEST(BadInputSweepTest, DayCountsAreZeroForRejectedDatesAndWholeOtherwise) {
  RunSweeps({
      {"GetKaliAhargana year",
       [](std::int16_t v) {
         const double k = GetKaliAhargana(v, 1, 1);
         return IsValidBsYear(v) ? IsWholeCount(k) : k == 0;
       }},
      {"GetKaliAhargana month",
       [](std::int16_t v) {
         const double k = GetKaliAhargana(2059, v, 29);
         return IsValidBsMonth(v) ? IsWholeCount(k) : k == 0;
       }},
      {"GetKaliAhargana day",
       [](std::int16_t v) {
         const double k = GetKaliAhargana(2059, 1, v);
         return Between(v, 1, 31) ? k == 1863912 + v : k == 0;
       }},
      {"GetKaliAhargana weekday",
       [](std::int16_t v) {
         const double k = GetKaliAhargana(2059, 1, 1, v);
         if (v == 9) return k == 1863913;
         return IsWeekday(v) ? IsWholeCount(k) : k == 0;
       }},
      // With a weekday the day is not checked: every day lands on that weekday.
      {"GetKaliAhargana day with a weekday",
       [](std::int16_t v) {
         const double k = GetKaliAhargana(2059, 1, v, 3);
         return IsWholeCount(k) && static_cast<std::int64_t>(k) % 7 == 4;
       }},
      {"GetJulianDate day",
       [](std::int16_t v) {
         const double jd = GetJulianDate(2059, 1, v);
         return Between(v, 1, 31) ? jd == 2452377.5 + v : jd == 0;
       }},
      {"GetJulianDate weekday",
       [](std::int16_t v) {
         const double jd = GetJulianDate(2059, 1, 1, v);
         return IsWeekday(v) || v == 9 ? jd == GetKaliAhargana(2059, 1, 1, v) + 588465.5 : jd == 0;
       }},
      {"GetJulianDate year with a weekday",
       [](std::int16_t v) {
         const double jd = GetJulianDate(v, 12, 32767, 7);
         return IsValidBsYear(v) ? jd > 588465.5 : jd == 0;
       }},
  });
}

TEST(BadInputSweepTest, GregorianTextsAreTheRejectionTextOrADate) {
  const auto text_or_rejection = [](bool valid, const std::string& text) {
    return valid ? LooksLikeGregorianText(text) : text == kInvalidBs;
  };
  RunSweeps({
      {"Nepali2EnglishDate year",
       [&](std::int16_t v) {
         return text_or_rejection(IsValidBsYear(v), Nepali2EnglishDate(v, 1, 1));
       }},
      {"Nepali2EnglishDate month",
       [&](std::int16_t v) {
         return text_or_rejection(IsValidBsMonth(v), Nepali2EnglishDate(2059, v, 29));
       }},
      {"Nepali2EnglishDate day",
       [&](std::int16_t v) {
         return text_or_rejection(Between(v, 1, 31), Nepali2EnglishDate(2059, 1, v));
       }},
      {"Nepali2EnglishDate day with a weekday",
       [&](std::int16_t v) { return LooksLikeGregorianText(Nepali2EnglishDate(9999, 12, v, 1)); }},
      {"Nepali2EnglishDate weekday",
       [&](std::int16_t v) {
         return text_or_rejection(IsWeekday(v) || v == 9, Nepali2EnglishDate(2059, 1, 1, v));
       }},
      {"Nepali2EnglishDate separator",
       [](std::int16_t v) {
         const std::string text = Nepali2EnglishDate(2059, 1, 1, 9, v);
         return v < 4 ? text.size() >= 10 : text == "04142002";
       },
       [](std::int16_t v, std::int32_t error) { return v < 0 && error == kInvalidProcedureCall; }},
      {"Nepali2EnglishDate style",
       [](std::int16_t v) {
         const std::string text = Nepali2EnglishDate(2059, 1, 1, 9, sepSlash, v);
         return Between(v, 0, 2) ? text.size() == 10 : text.empty();
       }},
  });
}

TEST(BadInputSweepTest, ValueStringsAreTheRejectionTextOrADate) {
  const auto text_or_rejection = [](bool valid, const std::string& text) {
    return valid ? LooksLikeValueString(text) : text == kInvalidGregorian;
  };
  // Gregorian years run to 9999 but the BS range ends in Gregorian 9942: later dates are past
  // the range (error 9).
  const auto past_the_range = [](std::int16_t v, std::int32_t error) {
    return v > 9900 && v <= 9999 && error == kSubscriptOutOfRange;
  };
  RunSweeps({
      {"English2NepaliDate year",
       [&](std::int16_t v) {
         return text_or_rejection(IsValidBsYear(v), English2NepaliDate(v, 1, 1));
       },
       past_the_range},
      {"English2NepaliDate month",
       [&](std::int16_t v) {
         return text_or_rejection(IsValidBsMonth(v), English2NepaliDate(2002, v, 28));
       }},
      {"English2NepaliDate day",
       [&](std::int16_t v) {
         return text_or_rejection(Between(v, 1, 28), English2NepaliDate(2002, 2, v));
       }},
      {"English2NepaliDate separator",
       [](std::int16_t v) {
         const std::string text = English2NepaliDate(2002, 4, 14, v);
         return v < 4 ? text.size() >= 12 : text == "205901011";
       },
       [](std::int16_t v, std::int32_t error) { return v < 0 && error == kInvalidProcedureCall; }},
      {"AharGana2NepaliDate separator",
       [](std::int16_t v) {
         const std::string text = AharGana2NepaliDate(1863913, v);
         return v < 4 ? text.size() >= 12 : text == "205901011";
       },
       [](std::int16_t v, std::int32_t error) { return v < 0 && error == kInvalidProcedureCall; }},
      {"JDate2EnglishDate separator",
       [](std::int16_t v) {
         const std::string text = JDate2EnglishDate(2452378.5, v);
         return v < 4 ? text.size() >= 10 : text == "04142002";
       },
       [](std::int16_t v, std::int32_t error) { return v < 0 && error == kInvalidProcedureCall; }},
      {"JDate2EnglishDate style",
       [](std::int16_t v) {
         const std::string text = JDate2EnglishDate(2452378.5, sepSlash, v);
         return Between(v, 0, 2) ? text.size() == 10 : text.empty();
       }},
  });
}

std::vector<double> AwkwardDoubles() {
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<double> values = {std::nan(""),
                                -std::nan(""),
                                inf,
                                -inf,
                                DBL_MAX,
                                -DBL_MAX,
                                1e308,
                                -1e308,
                                DBL_MIN,
                                -DBL_MIN,
                                std::numeric_limits<double>::denorm_min(),
                                -std::numeric_limits<double>::denorm_min(),
                                0.0,
                                -0.0,
                                0.5,
                                -0.5,
                                1112209.5,
                                1112209.9999999998,
                                1112210,
                                4764069.4,
                                4764069.5,
                                4764070,
                                13689324.5,
                                13689325.5,
                                -10247454.5,
                                -10247455.5,
                                1e15,
                                1e20,
                                -1e20};
  for (const double edge :
       {32767.0, 65536.0, 2147483647.0, 4294967296.0, 9007199254740992.0, 9223372036854775808.0}) {
    for (const double near : {std::nextafter(edge, 0.0), edge, std::nextafter(edge, inf)}) {
      values.push_back(near);
      values.push_back(-near);
      values.push_back(near + 0.5);
    }
  }
  return values;
}

TEST(BadInputSweepTest, AwkwardDayCountsEndInADateOrAnError) {
  for (const double k : AwkwardDoubles()) {
    std::string text;
    const std::int32_t error = ErrorNumberOf([&] { text = AharGana2NepaliDate(k); });
    if (std::isnan(k) || std::isinf(k)) {
      EXPECT_EQ(error, kOverflow) << k;
    } else if (k < 1112210) {
      EXPECT_EQ(error, kSubscriptOutOfRange) << k << ": no date before BS 0001/01/01";
    } else if (error == 0) {
      EXPECT_TRUE(LooksLikeValueString(text)) << k << ": " << text;
    } else {
      EXPECT_TRUE(error == kOverflow || error == kSubscriptOutOfRange) << k << ": error " << error;
    }
  }
}

TEST(BadInputSweepTest, AwkwardJulianDaysEndInADateOrOverflow) {
  for (const double jd : AwkwardDoubles()) {
    for (const std::int32_t style : {0, 1, 2, 3, std::numeric_limits<std::int32_t>::max()}) {
      std::string text;
      const std::int32_t error =
          ErrorNumberOf([&] { text = JDate2EnglishDate(jd, sepDash, style); });
      const bool in_range = jd >= -10247454.5 && jd < 13689325.5;
      if (in_range) {
        EXPECT_EQ(error, 0) << jd;
        EXPECT_EQ(text.empty(), style > 2) << jd << ": " << text;
      } else {
        EXPECT_EQ(error, kOverflow) << jd << ": " << text;
      }
    }
  }
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
