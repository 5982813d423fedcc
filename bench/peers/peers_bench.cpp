// The C++ side of the peer comparison (run.sh): the work peers.mjs gives each JavaScript
// library, every Gregorian day from 1 January 1944 to 31 December 2042 (BS 2000/09/17 to
// 2099/09/16) converted BS -> AD and AD -> BS, the result unpacked into numbers. One iteration
// is one pass over the 36,160 days; the counter "days" lets a reader divide.
//
// Two ways for each direction: the typed date (<sauramiti/chrono.hpp>, through sys_days and
// std::chrono::year_month_day), and the control's methods with their date texts read back into
// numbers (Nepali2EnglishDate, English2NepaliDate), as a program calling the methods must.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <sauramiti/chrono.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <string>
#include <vector>

namespace {

namespace bs = sauramiti::bs;
namespace R = sauramiti::SauramitiRoutine;
using namespace std::chrono;

struct Day {
  int year;
  unsigned month;
  unsigned day;
};

struct Days {
  std::vector<Day> ad;
  std::vector<Day> bs;
};

const Days& TheDays() {
  static const Days days = [] {
    Days out;
    for (sys_days d = sys_days{1944y / January / 1}; d < sys_days{2043y / January / 1};
         d += std::chrono::days{1}) {
      const year_month_day ad{d};
      const bs::year_month_day date = bs::from_sys_days(d);
      out.ad.push_back({static_cast<int>(ad.year()), static_cast<unsigned>(ad.month()),
                        static_cast<unsigned>(ad.day())});
      out.bs.push_back({date.year(), date.month(), date.day()});
    }
    return out;
  }();
  return days;
}

// Two, three or four digits at `at`, as a number.
unsigned Digits(const std::string& text, std::size_t at, std::size_t count) {
  unsigned value = 0;
  for (std::size_t i = 0; i < count; ++i)
    value = value * 10 + static_cast<unsigned>(text[at + i] - '0');
  return value;
}

template <typename Convert>
void OverDays(benchmark::State& state, const std::vector<Day>& days, Convert convert) {
  for (auto _ : state) {
    unsigned sum = 0;
    for (const Day& d : days) sum += convert(d);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["days"] = static_cast<double>(days.size());
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}

void BM_TypedBsToAd(benchmark::State& state) {
  OverDays(state, TheDays().bs, [](const Day& d) {
    const year_month_day ad{bs::to_sys_days({d.year, d.month, d.day})};
    return static_cast<unsigned>(static_cast<int>(ad.year())) + unsigned{ad.month()} +
           unsigned{ad.day()};
  });
}

void BM_TypedAdToBs(benchmark::State& state) {
  OverDays(state, TheDays().ad, [](const Day& d) {
    const bs::year_month_day date =
        bs::from_sys_days(sys_days{year{d.year} / month{d.month} / day{d.day}});
    return static_cast<unsigned>(date.year()) + date.month() + date.day();
  });
}

void BM_MethodBsToAd(benchmark::State& state) {
  OverDays(state, TheDays().bs, [](const Day& d) {
    const std::string text =
        R::Nepali2EnglishDate(static_cast<std::int16_t>(d.year), static_cast<std::int16_t>(d.month),
                              static_cast<std::int16_t>(d.day));
    return Digits(text, 6, 4) + Digits(text, 0, 2) + Digits(text, 3, 2);  // mm/dd/yyyy
  });
}

void BM_MethodAdToBs(benchmark::State& state) {
  OverDays(state, TheDays().ad, [](const Day& d) {
    const std::string text =
        R::English2NepaliDate(static_cast<std::int16_t>(d.year), static_cast<std::int16_t>(d.month),
                              static_cast<std::int16_t>(d.day));
    return Digits(text, 0, 4) + Digits(text, 5, 2) + Digits(text, 8, 2);  // yyyy/mm/dd/w
  });
}

BENCHMARK(BM_TypedBsToAd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypedAdToBs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MethodBsToAd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MethodAdToBs)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
