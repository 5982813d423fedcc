// Speed of the typed BS date: to_sys_days and from_sys_days on random days of BS years 1 to
// 9999, the weekday, and the text forms. The year table is filled before timing, as any
// long-running program would have it; the first conversion of a process is timed apart, by
// first_conversion.cpp.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <sauramiti/chrono.hpp>
#include <vector>

namespace {

namespace bs = sauramiti::bs;

// 4096 days scattered over the whole range by a fixed linear congruential sequence.
const std::vector<bs::year_month_day>& Samples() {
  static const std::vector<bs::year_month_day> samples = [] {
    std::vector<bs::year_month_day> out;
    std::uint32_t state = 12345;
    const auto first = bs::to_sys_days({1, 1, 1});
    const auto span = (bs::to_sys_days({9999, 12, 31}) - first).count() + 1;
    while (out.size() < 4096) {
      state = state * 1664525U + 1013904223U;
      out.push_back(bs::from_sys_days(first + std::chrono::days{(state >> 4) % span}));
    }
    return out;
  }();
  return samples;
}

template <typename Call>
void OverSamples(benchmark::State& state, Call call) {
  const std::vector<bs::year_month_day>& samples = Samples();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(call(samples[i]));
    i = (i + 1) & (samples.size() - 1);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_ToSysDays(benchmark::State& state) {
  OverSamples(state, [](const bs::year_month_day& d) { return bs::to_sys_days(d); });
}
BENCHMARK(BM_ToSysDays);

void BM_FromSysDays(benchmark::State& state) {
  std::vector<std::chrono::sys_days> days;
  for (const bs::year_month_day& d : Samples()) days.push_back(bs::to_sys_days(d));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(bs::from_sys_days(days[i]));
    i = (i + 1) & (days.size() - 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FromSysDays);

// The same in the published calendar: a year it does not correct costs one comparison more.
void BM_ToSysDaysPublished(benchmark::State& state) {
  OverSamples(state, [](const bs::year_month_day& d) {
    return bs::to_sys_days(d, bs::calendar::published);
  });
}
BENCHMARK(BM_ToSysDaysPublished);

void BM_FromSysDaysPublished(benchmark::State& state) {
  std::vector<std::chrono::sys_days> days;
  for (const bs::year_month_day& d : Samples()) days.push_back(bs::to_sys_days(d));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(bs::from_sys_days(days[i], bs::calendar::published));
    i = (i + 1) & (days.size() - 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FromSysDaysPublished);

// Days of 1970 to 2083 only, where the published calendar's rows are looked up.
const std::vector<std::chrono::sys_days>& SettledDays() {
  static const std::vector<std::chrono::sys_days> days = [] {
    std::vector<std::chrono::sys_days> out;
    const auto first = bs::to_sys_days({1970, 1, 1});
    const auto span = (bs::to_sys_days({2084, 1, 1}) - first).count();
    std::uint32_t state = 777;
    while (out.size() < 4096) {
      state = state * 1664525U + 1013904223U;
      out.push_back(first + std::chrono::days{(state >> 4) % span});
    }
    return out;
  }();
  return days;
}

void BM_SettledYears(benchmark::State& state, const bs::calendar* cal) {
  const std::vector<std::chrono::sys_days>& days = SettledDays();
  std::size_t i = 0;
  for (auto _ : state) {
    const bs::year_month_day date = bs::from_sys_days(days[i], *cal);
    benchmark::DoNotOptimize(bs::to_sys_days(date, *cal));
    i = (i + 1) & (days.size() - 1);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_SettledYears, model, &bs::calendar::model);
BENCHMARK_CAPTURE(BM_SettledYears, published, &bs::calendar::published);

void BM_Weekday(benchmark::State& state) {
  OverSamples(state, [](const bs::year_month_day& d) { return bs::weekday(d); });
}
BENCHMARK(BM_Weekday);

void BM_ToString(benchmark::State& state) {
  OverSamples(state, [](const bs::year_month_day& d) { return bs::to_string(d); });
}
BENCHMARK(BM_ToString);

void BM_Parse(benchmark::State& state) {
  OverSamples(state, [](const bs::year_month_day&) { return bs::parse("2081-09-15"); });
}
BENCHMARK(BM_Parse);

}  // namespace

int main(int argc, char** argv) {
  // Every year filled before timing.
  for (int y = 1; y <= 9999; ++y) benchmark::DoNotOptimize(bs::days_in_month(y, 1));
  benchmark::DoNotOptimize(Samples().size());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
