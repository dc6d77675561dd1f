#include "Difficultes.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

#include "game/Tirages.h"

namespace tolvan::stats {

Repartition CalculeDifficultes(int nombre, std::uint64_t graine, int fils,
                               const std::function<void(int, int)>& progres) {
  // Dealt first, in order, so that the threads only share the searching.
  const std::vector<TTirage> tirages = TiragesAuHasard(nombre, graine);
  Repartition repartition;
  std::mutex verrou;
  std::atomic<int> suivant{0};
  std::atomic<int> faits{0};
  const auto travaille = [&] {
    Solveur solveur;
    Repartition partielle;
    for (int i = suivant++; i < nombre; i = suivant++) {
      solveur.ChangeTirage(tirages[static_cast<std::size_t>(i)]);
      solveur.ChercheSol(0);
      ++partielle.parMarque[static_cast<std::size_t>(MarqueDifficulte(solveur))];
      ++partielle.total;
      const int fait = ++faits;
      if (progres && fait % 1000 == 0) {
        const std::lock_guard<std::mutex> garde(verrou);
        progres(fait, nombre);
      }
    }
    const std::lock_guard<std::mutex> garde(verrou);
    for (std::size_t m = 0; m < partielle.parMarque.size(); ++m) repartition.parMarque[m] += partielle.parMarque[m];
    repartition.total += partielle.total;
  };
  std::vector<std::thread> travailleurs;
  for (int f = 1; f < fils; ++f) travailleurs.emplace_back(travaille);
  travaille();
  for (std::thread& travailleur : travailleurs) travailleur.join();
  return repartition;
}

void EcritDifficultes(const Repartition& r, bool json, std::ostream& sortie) {
  if (json) {
    sortie << "{\"tirages\":" << r.total << ",\"parDifficulte\":{";
    for (int m = 1; m <= DifficulteMax; ++m) sortie << (m > 1 ? "," : "") << '"' << m << "\":" << r.parMarque[static_cast<std::size_t>(m)];
    sortie << "}}\n";
    return;
  }
  sortie << "Difficulté de " << r.total << " tirages standard au hasard :\n";
  for (int m = 1; m <= DifficulteMax; ++m) {
    const long long n = r.parMarque[static_cast<std::size_t>(m)];
    char part[32];
    std::snprintf(part, sizeof part, "%.2f", r.total ? 100.0 * static_cast<double>(n) / static_cast<double>(r.total) : 0.0);
    sortie << m << "/5 : " << n << " (" << part << " %)\n";
  }
}

}  // namespace tolvan::stats
