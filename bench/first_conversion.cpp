// The first conversion of a process, timed alone: nothing of the calendar is prepared before
// it. Prints the time of the first GetKaliAhargana call, of the first typed conversion of
// another year, and of a second call, in microseconds. A program, not a Google Benchmark: a
// first call happens once per process.
#include <chrono>
#include <cstdio>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/chrono.hpp>

namespace {

template <typename Call>
double Microseconds(Call call) {
  const auto start = std::chrono::steady_clock::now();
  volatile auto result = call();
  (void)result;
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main() {
  namespace R = sauramiti::SauramitiRoutine;
  const double first = Microseconds([] { return R::GetKaliAhargana(2059, 1, 1); });
  const double typed = Microseconds([] {
    return sauramiti::bs::to_sys_days({2081, 9, 15}).time_since_epoch().count();
  });
  const double second = Microseconds([] { return R::GetKaliAhargana(2059, 1, 2); });
  std::printf(
      "first GetKaliAhargana: %.1f us\nfirst typed conversion (another year): %.1f us\n"
      "second call: %.2f us\n",
      first, typed, second);
  return first < 200 ? 0 : 1;  // the bound a first conversion must keep: 0.2 ms
}
