// Times "Ma cote" and the draws at the player's measure (Google Benchmark):
//   Mise a jour       one rated game added to a rating of 50 games
//   Historique        the rating rebuilt from a history of 10,000 games over
//                     1,000 days, from each game's summary of efforts (as
//                     the history keeps it: nothing is searched)
//   Chance predite    the chance a rating predicts for one draw
//   A ma mesure       a draw dealt at the measure of a settled player of
//                     strength 1.5, 2.5, 3.5 or 4.5 (40 s, band 0.70 to
//                     0.80), a new seed each time: 300 draws, with the
//                     median, the 99th percentile and the worst
// The draws are standard ones dealt from fixed seeds, searched before any
// timing starts.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "game/Cote.h"
#include "game/LoiDuRegard.h"
#include "game/SplitMix64.h"
#include "game/TirageAMaMesure.h"
#include "game/Tirages.h"

namespace {

using namespace tolvan;

struct TirageLu {
  TTirage tirage;
  std::vector<double> efforts;
  ResumeEfforts resume;
};

const std::vector<TirageLu>& Tirages() {
  static const std::vector<TirageLu> tirages = [] {
    std::vector<TirageLu> lus;
    Solveur solveur;
    for (const TTirage& t : TiragesAuHasard(10000, 2027)) {
      solveur.ChangeTirage(t);
      solveur.ChercheSol(0);
      std::vector<double> efforts = EffortsDeLaCible(solveur);
      ResumeEfforts resume(efforts);
      lus.push_back({t, std::move(efforts), std::move(resume)});
    }
    return lus;
  }();
  return tirages;
}

// A game of a simulated player of `force` on draw `i`, on day `jour` of 2024.
PartieNotee Partie(double force, std::size_t i, int jour = 0) {
  const TirageLu& t = Tirages()[i % Tirages().size()];
  PartieNotee partie{t.resume, 40, false, 0,
                     std::chrono::sys_days(std::chrono::year(2024) / 1 / 1) + std::chrono::days(jour)};
  if (const auto vue = VoitLaCible(t.efforts, ProfilContinu(force), i, ForceEnCentiemes(force), t.tirage, 40)) {
    partie.trouvee = true;
    partie.secondes = vue->secondes;
  }
  return partie;
}

Cote CoteApres50(double force) {
  Cote cote;
  for (std::size_t i = 0; i < 50; ++i) cote.Ajoute(Partie(force, 7919 * i));
  return cote;
}

void MiseAJour(benchmark::State& etat) {
  Cote cote = CoteApres50(3.0);
  std::size_t i = 0;
  for (auto _ : etat) {
    cote.Ajoute(Partie(3.0, ++i));
    benchmark::DoNotOptimize(cote.Moyenne());
  }
}
BENCHMARK(MiseAJour)->Unit(benchmark::kMillisecond);

void Historique(benchmark::State& etat) {
  // A player going from 2 to 4 over 1,000 days, ten games a day.
  std::vector<PartieNotee> parties;
  for (int i = 0; i < 10000; ++i) parties.push_back(Partie(2.0 + 2.0 * i / 10000, static_cast<std::size_t>(i), i / 10));
  for (auto _ : etat) {
    const Cote cote = Cote::De(parties);
    benchmark::DoNotOptimize(cote.Moyenne());
  }
}
BENCHMARK(Historique)->Unit(benchmark::kMillisecond);

void ChancePredite(benchmark::State& etat) {
  const Cote cote = CoteApres50(3.0);
  std::size_t i = 0;
  for (auto _ : etat) benchmark::DoNotOptimize(cote.ChancePredite(Tirages()[++i % Tirages().size()].resume, 40));
}
BENCHMARK(ChancePredite)->Unit(benchmark::kMicrosecond);

void AMaMesure(benchmark::State& etat) {
  const double force = static_cast<double>(etat.range(0)) / 10;
  const Cote cote = CoteApres50(force);
  Solveur solveur;
  static std::uint64_t graine = 0;
  for (auto _ : etat) {
    const auto debut = std::chrono::steady_clock::now();
    const TirageMesure tire = TireAMaMesure(
        SplitMix64(++graine).Suivant(), BandeAMaMesure,
        [&cote](const ResumeEfforts& resume) { return cote.ChancePredite(resume, 40); }, solveur);
    etat.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
    benchmark::DoNotOptimize(tire.chance);
  }
}

double Quantile(const std::vector<double>& mesures, double q) {
  std::vector<double> triees = mesures;
  std::sort(triees.begin(), triees.end());
  return triees[static_cast<std::size_t>(q * static_cast<double>(triees.size() - 1))];
}

BENCHMARK(AMaMesure)
    ->DenseRange(15, 45, 10)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(300)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("p99", [](const std::vector<double>& v) { return Quantile(v, 0.99); })
    ->ComputeStatistics("max", [](const std::vector<double>& v) { return Quantile(v, 1.0); });

}  // namespace

BENCHMARK_MAIN();
