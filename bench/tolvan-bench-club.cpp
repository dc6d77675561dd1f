// Times what club play by code asks: dealing a code's draws and working out
// their key (best result and simplest solution of each), as the arbiter's
// tolvan-solve --code does and the score sheet needs, plus the clubs' scale
// of each draw:
//   standard     200 codes of 10 standard draws
//   realisables  200 codes of 10 exactly reachable draws
// Each line gives the mean, the median, the 99th percentile and the worst
// per code, in ms; a code is timed as the best of three runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "competition/BaremeClubs.h"
#include "competition/CodeSerie.h"
#include "competition/TiragesDuCode.h"

namespace {

using namespace tolvan;
using Horloge = std::chrono::steady_clock;

void Ecrit(const char* nom, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  double total = 0;
  for (double m : ms) total += m;
  std::printf("%-12s n=%zu mean_ms=%.1f median_ms=%.1f p99_ms=%.1f max_ms=%.1f\n", nom, ms.size(),
              total / static_cast<double>(ms.size()), ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back());
}

double TempsDuCode(const CodeSerie& code) {
  double meilleur = 1e18;
  for (int fois = 0; fois < 3; ++fois) {
    const auto debut = Horloge::now();
    int points = 0;
    for (const Corrige& corrige : CorrigeDuCode(code)) points += BaremeClubs(corrige.tirage).Points(corrige.meilleur);
    meilleur = std::min(meilleur, std::chrono::duration<double, std::milli>(Horloge::now() - debut).count());
    if (points <= 0) std::printf("?");  // keeps the work from being optimised away
  }
  return meilleur;
}

}  // namespace

int main() {
  for (const bool realisables : {false, true}) {
    std::vector<double> ms;
    for (std::uint64_t graine = 1; graine <= 200; ++graine) {
      std::string erreur;
      const auto code = CodeSerie::Fait({10, 40, realisables, graine * 0x9E3779B97ull % CodeSerie::GraineMax}, erreur);
      ms.push_back(TempsDuCode(*code));
    }
    Ecrit(realisables ? "realisables" : "standard", ms);
  }
  return 0;
}
