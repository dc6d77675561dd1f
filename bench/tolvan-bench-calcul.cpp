// Times reading and checking a typed calculation, as the game's field does
// on Enter and tolvan-solve --verifie does before the points:
//   UneLigne        75x3
//   Entier          (75+25)x8+7=807
//   CinqLignes      {[(100-7)x(8-3)]-25}x75, the most lines a draw allows
//   Refuse          (75+25)x8+4, 4 not in play
//   Long            a thousand characters of nested brackets around 75+3
//   Verifie         tolvan-solve --verifie --json on (75+25)x8+7, points included
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "game/Calcul.h"
#include "solve/SolveCommand.h"

namespace {

using namespace tolvan;

const std::vector<longint> EnJeu = {75, 25, 8, 7, 3, 100};

void Lit(benchmark::State& etat, const std::string& texte) {
  for (auto _ : etat) {
    LectureCalcul lecture = LitCalcul(texte, EnJeu, 807);
    benchmark::DoNotOptimize(lecture);
  }
}

std::string Imbrique() {
  std::string texte;
  for (int i = 0; i < 250; ++i) texte += "((";
  texte += "75+3";
  for (int i = 0; i < 250; ++i) texte += "))";
  return texte;
}

void Verifie(benchmark::State& etat) {
  const std::vector<std::string> arguments = {"--verifie", "--json", "75", "25", "8", "7", "3", "100", "807",
                                              "(75+25)x8+7"};
  for (auto _ : etat) {
    std::ostringstream sortie, erreurs;
    benchmark::DoNotOptimize(solve::ExecuteSolve(arguments, sortie, erreurs));
  }
}

}  // namespace

BENCHMARK_CAPTURE(Lit, UneLigne, std::string("75x3"));
BENCHMARK_CAPTURE(Lit, Entier, std::string("(75+25)x8+7=807"));
BENCHMARK_CAPTURE(Lit, CinqLignes, std::string("{[(100-7)x(8-3)]-25}x75"));
BENCHMARK_CAPTURE(Lit, Refuse, std::string("(75+25)x8+4"));
BENCHMARK_CAPTURE(Lit, Long, Imbrique());
BENCHMARK(Verifie)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
