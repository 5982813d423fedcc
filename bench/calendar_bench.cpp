// Speed of the calendar core and the conversions.
//
// Each public conversion is timed on a fixed, spread-out set of valid inputs (dates from every
// part of BS years 1 to 9998, visited in a scrambled order so that no call finds the previous
// call's year warm in a cache line by accident). The sweeps walk every day of the range: BS date
// to day count, day count to BS date, and both. The first-weekday table is built before timing,
// as any long-running host would have it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/julian_day.hpp>
#include <vector>

namespace {

using namespace sauramiti;
using namespace sauramiti::SauramitiRoutine;

struct BsDate {
  std::int16_t year;
  std::int16_t month;
  std::int16_t day;
};

struct Sample {
  BsDate bs;
  double kali;
  double julian;
  GregorianDate gregorian;
};

constexpr std::int16_t kLastFullYear = 9998;

// 4096 valid dates, scattered over the whole range by a fixed linear congruential sequence.
const std::vector<Sample>& Samples() {
  static const std::vector<Sample> samples = [] {
    std::vector<Sample> out;
    std::uint32_t state = 12345;
    auto next = [&state](std::uint32_t bound) {
      state = state * 1664525U + 1013904223U;
      return (state >> 8) % bound;
    };
    while (out.size() < 4096) {
      const auto year = static_cast<std::int16_t>(1 + next(kLastFullYear));
      const auto month = static_cast<std::int16_t>(1 + next(12));
      const auto length = static_cast<std::uint32_t>(GetDaysInMonth(year, month, disNepali));
      const auto day = static_cast<std::int16_t>(1 + next(length));
      const double kali = GetKaliAhargana(year, month, day);
      const double julian = kali + 588465.5;
      out.push_back({{year, month, day}, kali, julian, JulianDayToGregorian(julian)});
    }
    return out;
  }();
  return samples;
}

// Runs `call` on the samples in turn, one sample per iteration.
template <typename Call>
void OverSamples(benchmark::State& state, Call call) {
  const std::vector<Sample>& samples = Samples();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(call(samples[i]));
    i = (i + 1) & (samples.size() - 1);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_GetKaliAhargana(benchmark::State& state) {
  OverSamples(state,
              [](const Sample& s) { return GetKaliAhargana(s.bs.year, s.bs.month, s.bs.day); });
}
BENCHMARK(BM_GetKaliAhargana);

void BM_GetKaliAharganaWithWeekday(benchmark::State& state) {
  OverSamples(state, [](const Sample& s) {
    return GetKaliAhargana(s.bs.year, s.bs.month, s.bs.day, std::int16_t{3});
  });
}
BENCHMARK(BM_GetKaliAharganaWithWeekday);

void BM_AharGana2NepaliDate(benchmark::State& state) {
  OverSamples(state, [](const Sample& s) { return AharGana2NepaliDate(s.kali); });
}
BENCHMARK(BM_AharGana2NepaliDate);

void BM_AharGana2NepaliDateDash(benchmark::State& state) {
  OverSamples(state, [](const Sample& s) { return AharGana2NepaliDate(s.kali, sepDash); });
}
BENCHMARK(BM_AharGana2NepaliDateDash);

void BM_GetJulianDate(benchmark::State& state) {
  OverSamples(state,
              [](const Sample& s) { return GetJulianDate(s.bs.year, s.bs.month, s.bs.day); });
}
BENCHMARK(BM_GetJulianDate);

void BM_Nepali2EnglishDate(benchmark::State& state) {
  OverSamples(state,
              [](const Sample& s) { return Nepali2EnglishDate(s.bs.year, s.bs.month, s.bs.day); });
}
BENCHMARK(BM_Nepali2EnglishDate);

void BM_English2NepaliDate(benchmark::State& state) {
  OverSamples(state, [](const Sample& s) {
    return English2NepaliDate(s.gregorian.year, s.gregorian.month, s.gregorian.day);
  });
}
BENCHMARK(BM_English2NepaliDate);

void BM_JDate2EnglishDate(benchmark::State& state) {
  OverSamples(state, [](const Sample& s) { return JDate2EnglishDate(s.julian); });
}
BENCHMARK(BM_JDate2EnglishDate);

void BM_GetFirstWeekDay(benchmark::State& state) {
  OverSamples(state, [](const Sample& s) { return GetFirstWeekDay(s.bs.year, s.bs.month); });
}
BENCHMARK(BM_GetFirstWeekDay);

void BM_GetDaysInMonthNepali(benchmark::State& state) {
  OverSamples(state,
              [](const Sample& s) { return GetDaysInMonth(s.bs.year, s.bs.month, disNepali); });
}
BENCHMARK(BM_GetDaysInMonthNepali);

void BM_GetDaysInMonthEnglish(benchmark::State& state) {
  OverSamples(state,
              [](const Sample& s) { return GetDaysInMonth(s.bs.year, s.bs.month, disEnglish); });
}
BENCHMARK(BM_GetDaysInMonthEnglish);

void BM_GetWeekDay(benchmark::State& state) {
  OverSamples(state, [](const Sample& s) { return GetWeekDay(s.bs.year, s.bs.month, s.bs.day); });
}
BENCHMARK(BM_GetWeekDay);

// The first-weekday formulas themselves, without the table, for comparison.
void BM_ComputeFirstWeekDayUncached(benchmark::State& state) {
  OverSamples(state, [](const Sample& s) {
    return s.bs.year < 1941 || s.bs.year > 2156 ? CalcFirstWeekDayOutOfRange(s.bs.year, s.bs.month)
                                                : CalcFirstWeekDayInRange(s.bs.year, s.bs.month);
  });
}
BENCHMARK(BM_ComputeFirstWeekDayUncached);

// Every day of BS years 1 to 9998, as date -> count, count -> date, or both.
enum class Direction { kForward, kBackward, kBoth };

void SweepAllDays(benchmark::State& state, Direction direction) {
  const double first = GetYearStartAhargana(1);
  const double end = GetYearStartAhargana(kLastFullYear + 1);
  for (auto _ : state) {
    std::int64_t days = 0;
    if (direction != Direction::kBackward) {
      for (std::int16_t y = 1; y <= kLastFullYear; ++y) {
        for (std::int16_t m = 1; m <= 12; ++m) {
          const std::int16_t length = GetDaysInMonth(y, m, disNepali);
          for (std::int16_t d = 1; d <= length; ++d) {
            benchmark::DoNotOptimize(GetKaliAhargana(y, m, d));
            ++days;
          }
        }
      }
    }
    if (direction != Direction::kForward) {
      for (double k = first; k < end; k += 1) {
        benchmark::DoNotOptimize(AharGana2NepaliDate(k));
        ++days;
      }
    }
    state.counters["days"] = static_cast<double>(days);
  }
}

void BM_SweepForward(benchmark::State& state) { SweepAllDays(state, Direction::kForward); }
void BM_SweepBackward(benchmark::State& state) { SweepAllDays(state, Direction::kBackward); }
void BM_SweepBothDirections(benchmark::State& state) { SweepAllDays(state, Direction::kBoth); }
BENCHMARK(BM_SweepForward)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SweepBackward)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SweepBothDirections)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  // Build the first-weekday table and the samples before anything is timed.
  benchmark::DoNotOptimize(GetFirstWeekDay(2059, 1));
  benchmark::DoNotOptimize(Samples().size());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
