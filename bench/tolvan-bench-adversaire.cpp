// Times the computer opponent's answer to 2,000 seeded standard draws, as
// the game deals them, at each strength with the duel's 40 seconds:
//   search  the game's own search of the draw, which the opponent shares
//   force N the answer once the draw is searched: reading the table, the
//           searches of nearby numbers it looks at, its times
//   +search the search and the strength-3 answer together, as when
//           nothing of the draw was known
//   odd     draws of large numbers (999 998 997 996 995 994) and of ones,
//           answered at every strength with 0, 5 and 40 s: how far it may
//           look when nothing near the target is easy
// Each line gives the mean, the median, the 99th percentile and the worst,
// in µs; a case is timed as the best of three runs.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Mesures.h"
#include "game/Adversaire.h"
#include "game/SplitMix64.h"
#include "game/Tirages.h"

int main() {
  using namespace tolvan;
  SplitMix64 hasard(20261207);
  const Hasard entre = [&hasard](int n) { return hasard.Entre(n); };
  Solveur solveur;
  std::vector<double> recherche, ensemble;
  std::vector<std::vector<double>> parForce(ForceMax + 1);
  for (int n = 0; n < 2000; ++n) {
    TTirage tirage;
    TireSixNombres(tirage, entre);
    TireCible(tirage, entre);
    const auto cherche = [&] {
      solveur.ChangeTirage(tirage);
      solveur.ChercheSol(0);
    };
    recherche.push_back(bench::Micros(cherche));
    for (int force = ForceMin; force <= ForceMax; ++force) {
      parForce[static_cast<std::size_t>(force)].push_back(bench::Micros([&] {
        SolutionsVoisines solutions(solveur);
        Adversaire(force, static_cast<std::uint64_t>(n)).Repond(solutions, SecondesDuelParDefaut);
      }));
    }
    ensemble.push_back(bench::Micros([&] {
      cherche();
      SolutionsVoisines solutions(solveur);
      Adversaire(3, static_cast<std::uint64_t>(n)).Repond(solutions, SecondesDuelParDefaut);
    }));
  }
  std::vector<double> insolites;
  for (const longint cible : {999, 101, 9973}) {
    for (const NombresTirage& nombres : {NombresTirage{{999, 998, 997, 996, 995, 994}}, NombresTirage{{1, 1, 1, 1, 1, 2}}}) {
      solveur.ChangeTirage(TTirage{nombres, cible});
      solveur.ChercheSol(0);
      for (int force = ForceMin; force <= ForceMax; ++force) {
        for (const double secondes : {0.0, 5.0, 40.0}) {
          insolites.push_back(bench::Micros([&] {
            SolutionsVoisines solutions(solveur);
            Adversaire(force, 1).Repond(solutions, secondes);
          }));
        }
      }
    }
  }
  bench::Ecrit("search", recherche);
  for (int force = ForceMin; force <= ForceMax; ++force) {
    const std::string nom = "force " + std::to_string(force);
    bench::Ecrit(nom.c_str(), parForce[static_cast<std::size_t>(force)]);
  }
  bench::Ecrit("+search", ensemble);
  bench::Ecrit("odd", insolites);
}
