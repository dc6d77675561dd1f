// Times what the coach and the hints ask of the solver, and random draws of
// a chosen difficulty mark:
//   coach   10,000 random positions: a seeded standard draw with 0 to 4
//           random lines already played, then the analysis after a line
//   hint    the same analysis on the six numbers of 10,000 draws (a hint
//           asked at the start of a game, the largest position there is)
//   draw    200 random draws of each mark, as the game deals them
//   pause   the longest stretch between two draws tried for a mark, which
//           is all the window waits before its events get through
// Each line gives the mean, the median, the 99th percentile and the worst,
// in µs; a position is timed as the best of three runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "Mesures.h"
#include "engine/Difficulte.h"
#include "game/Coach.h"
#include "game/SplitMix64.h"
#include "game/Tirages.h"

namespace {

using namespace tolvan;
using bench::Ecrit;
using bench::Micros;
using Horloge = std::chrono::steady_clock;

// Plays up to `lignes` random lines that the board accepts.
std::vector<longint> Joue(std::vector<longint> nombres, int lignes, SplitMix64& hasard) {
  for (int l = 0; l < lignes && nombres.size() > 1; ++l) {
    const std::size_t i = static_cast<std::size_t>(hasard.Entre(static_cast<int>(nombres.size())));
    std::size_t j = static_cast<std::size_t>(hasard.Entre(static_cast<int>(nombres.size()) - 1));
    if (j >= i) ++j;
    const longint a = std::max(nombres[i], nombres[j]);
    const longint b = std::min(nombres[i], nombres[j]);
    longint r = 0;
    switch (hasard.Entre(4)) {
      case 0: r = a + b; break;
      case 1: r = a * b; break;
      case 2: r = a - b; break;
      default: r = a % b == 0 ? a / b : a + b; break;
    }
    if (r <= 0) r = a + b;
    nombres.erase(nombres.begin() + static_cast<std::ptrdiff_t>(std::max(i, j)));
    nombres[std::min(i, j)] = r;
  }
  return nombres;
}

}  // namespace

int main() {
  SplitMix64 hasard(20261207);
  const Hasard entre = [&hasard](int n) { return hasard.Entre(n); };
  Solveur solveur;
  std::vector<double> coach, indice;
  for (int n = 0; n < 10000; ++n) {
    TTirage tirage;
    TireSixNombres(tirage, entre);
    TireCible(tirage, entre);
    const std::vector<longint> six(tirage.Nombres.begin(), tirage.Nombres.end());
    const std::vector<longint> position = Joue(six, 1 + hasard.Entre(4), hasard);
    coach.push_back(Micros([&] { (void)PhraseCoach(AnalysePosition(solveur, position, tirage.Resultat)); }));
    indice.push_back(Micros([&] { (void)PhraseIndice(5, AnalysePosition(solveur, six, tirage.Resultat)); }));
  }
  Ecrit("coach", coach);
  Ecrit("hint", indice);
  std::vector<double> pauses;
  for (int marque = 1; marque <= DifficulteMax; ++marque) {
    std::vector<double> tirages;
    for (int n = 0; n < 200; ++n) {
      // Each run deals another draw: timed once.
      const auto debut = Horloge::now();
      auto repere = debut;
      const EntreDeuxEssais entreDeux = [&](int) {
        const auto maintenant = Horloge::now();
        pauses.push_back(std::chrono::duration<double, std::micro>(maintenant - repere).count());
        repere = maintenant;
        return true;
      };
      TireAuHasardDeDifficulte(solveur, OptionsTirage{}, marque, entre, entreDeux);
      tirages.push_back(std::chrono::duration<double, std::micro>(Horloge::now() - debut).count());
    }
    char nom[16];
    std::snprintf(nom, sizeof nom, "draw %d", marque);
    Ecrit(nom, tirages);
  }
  Ecrit("pause", pauses);
  return 0;
}
