// How long the control takes for what a user sees as one step: a whole-view refresh (switching
// the language or setting a new date on an enabled control redraws all 46 children and refills
// both lists) and a click on a day cell (new Value, every derived field, the panels, Click).
#include <benchmark/benchmark.h>

#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <string>

namespace {

using sauramiti::Sauramiti;
using sauramiti::headless::HeadlessHost;

struct LiveInstance {
  LiveInstance() : control(host) {
    host.SetToday({2002, 4, 14});
    control.Initialize();
    control.InitProperties();
    host.Resize(5535, 5220);
  }
  HeadlessHost host;
  Sauramiti control;
};

// Turns English off and on at each iteration: every caption and cell is drawn again.
void ToggleEnglish(benchmark::State& state, LiveInstance& live) {
  std::int16_t english = 0;
  for (auto _ : state) {
    live.control.English(english);
    english = english == 0 ? std::int16_t{-1} : std::int16_t{0};
    live.host.TakeEvents();
  }
}

void BM_RefreshOnEnglishToggle(benchmark::State& state) {
  LiveInstance live;
  ToggleEnglish(state, live);
}
BENCHMARK(BM_RefreshOnEnglishToggle)->Unit(benchmark::kMicrosecond);

// The same refresh with the extensions on: six weeks of day cells, each with its Gregorian day.
void BM_RefreshOnEnglishToggleWithExtensions(benchmark::State& state) {
  LiveInstance live;
  live.control.SixWeeks(-1);
  live.control.ShowGregorianDay(-1);
  ToggleEnglish(state, live);
}
BENCHMARK(BM_RefreshOnEnglishToggleWithExtensions)->Unit(benchmark::kMicrosecond);

// The same refresh with every extension on: also today's mark (the host's clock read and
// converted at each drawing), date limits that disable days of the month shown, and the
// Saturdays' own colour.
void BM_RefreshWithEveryExtension(benchmark::State& state) {
  LiveInstance live;
  live.control.SixWeeks(-1);
  live.control.ShowGregorianDay(-1);
  live.control.MarkToday(-1);
  live.control.MinDate("2058/12/25");
  live.control.MaxDate("2059/01/20");
  live.control.HolidayForeColor(0x0000C0);
  ToggleEnglish(state, live);
}
BENCHMARK(BM_RefreshWithEveryExtension)->Unit(benchmark::kMicrosecond);

void BM_SetValueWhileEnabled(benchmark::State& state) {
  LiveInstance live;
  const std::string dates[] = {"2059/01/18/4", "2081/09/05/3", "2070/12/30/7"};
  std::size_t i = 0;
  for (auto _ : state) {
    live.control.Value(dates[i]);
    i = (i + 1) % 3;
    live.host.TakeEvents();
  }
}
BENCHMARK(BM_SetValueWhileEnabled)->Unit(benchmark::kMicrosecond);

void BM_DayClick(benchmark::State& state) {
  LiveInstance live;
  sauramiti::headless::HeadlessLabel* cells[] = {live.host.FindLabel("lblDay(17)"),
                                                 live.host.FindLabel("lblDay(3)")};
  std::size_t i = 0;
  for (auto _ : state) {
    cells[i]->Click();
    i ^= 1;
    live.host.TakeEvents();
  }
}
BENCHMARK(BM_DayClick)->Unit(benchmark::kMicrosecond);

void BM_Resize(benchmark::State& state) {
  LiveInstance live;
  float w = 4800;
  for (auto _ : state) {
    live.host.Resize(w, 4800);
    w = w == 4800 ? 6000.0F : 4800.0F;
  }
}
BENCHMARK(BM_Resize)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
