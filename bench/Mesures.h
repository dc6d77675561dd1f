// What the plain benchmarks share: timing one case as the best of three
// runs, and the line that sums a set of timings up.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace tolvan::bench {

// n, mean, median, 99th percentile and worst, in µs, on one line.
inline void Ecrit(const char* nom, std::vector<double> us) {
  std::sort(us.begin(), us.end());
  double total = 0;
  for (double u : us) total += u;
  std::printf("%-8s n=%zu mean_us=%.0f median_us=%.0f p99_us=%.0f max_us=%.0f\n", nom, us.size(),
              total / static_cast<double>(us.size()), us[us.size() / 2], us[us.size() * 99 / 100], us.back());
}

// The best of three runs: what the case costs, not what the machine was
// doing meanwhile. `prepare` runs untimed before each run.
template <class Corps, class Prepare>
double Micros(Corps&& corps, Prepare&& prepare) {
  double meilleur = 1e18;
  for (int fois = 0; fois < 3; ++fois) {
    prepare();
    const auto debut = std::chrono::steady_clock::now();
    corps();
    meilleur = std::min(meilleur, std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - debut).count());
  }
  return meilleur;
}

template <class Corps>
double Micros(Corps&& corps) {
  return Micros(corps, [] {});
}

}  // namespace tolvan::bench
