// Times the arbiter's ranking of a club's evening, with Google Benchmark:
// 300 players' files of a 30-draw code, each a line with its results (a
// few a line of the first form, one a line sent twice), read, checked
// against the code's draws and ranked from scratch, the code's checks
// included:
//   ClasseLaSalle          the ranking from the files, as the desk makes it
//   ClasseLaSalleParSalle  the same with the exceptional scale from the room
//   CommandeClassement     tolvan-stats --classement --json on the 300 files
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "competition/Classement.h"
#include "competition/TextesClassement.h"
#include "stats/CommandeClassement.h"

namespace {

using namespace tolvan;

constexpr int Joueurs = 300;
constexpr int Tirages = 30;

// The room's files, written once for every run.
class Salle {
 public:
  Salle() {
    std::filesystem::create_directories(dossier_);
    std::string erreur;
    const CodeSerie code = *CodeSerie::Fait({Tirages, 40, false, 20261207}, erreur);
    const std::vector<ControleTirage> controles = ControlesDuCode(code);
    for (int j = 0; j < Joueurs; ++j) {
      LigneClub ligne{code, "Joueur " + std::to_string(j + 1), 0, {}, std::vector<std::optional<longint>>{}};
      for (int t = 0; t < Tirages; ++t) {
        const ControleTirage& controle = controles[static_cast<std::size_t>(t)];
        // Somewhere near the target, as the plates give it; now and then nothing.
        longint resultat = controle.Tirage().Resultat + (j * 7 + t * 13) % 31 - 15;
        while (resultat > 1 && !controle.Donne(resultat)) --resultat;
        const bool rien = (j + t) % 17 == 0;
        ligne.resultats->push_back(rien ? std::nullopt : std::optional(resultat));
        ligne.points.push_back(rien ? 0 : controle.Verifie(resultat).points);
        ligne.total += ligne.points.back();
      }
      if (j % 50 == 0) ligne.resultats.reset();
      std::string texte = EcritLigneClub(ligne) + "\r\n";
      if (j == 1) texte += texte;
      chemins_.push_back((dossier_ / ("joueur-" + std::to_string(j) + ".txt")).string());
      std::ofstream(chemins_.back(), std::ios::binary) << texte;
    }
  }
  ~Salle() { std::filesystem::remove_all(dossier_); }
  const std::vector<std::string>& Chemins() const { return chemins_; }

 private:
  std::filesystem::path dossier_ = std::filesystem::temp_directory_path() / "tolvan-bench-classement";
  std::vector<std::string> chemins_;
};

const Salle& LaSalle() {
  static const Salle salle;
  return salle;
}

void Classe(benchmark::State& etat, bool approcheSalle) {
  const Salle& salle = LaSalle();
  ReglesClassement regles;
  regles.approcheSalle = approcheSalle;
  for (auto _ : etat) {
    Rassemblement rassemblement;
    for (const std::string& chemin : salle.Chemins()) rassemblement.Ajoute(LitFichierClub(chemin, chemin));
    ControlesParCode controles;
    const Classement classement = tolvan::Classe(LitEntrees(rassemblement), rassemblement.fichiers, regles, controles);
    if (classement.joueurs.size() != Joueurs) etat.SkipWithError("not every player was ranked");
    benchmark::DoNotOptimize(LignesClassement(classement));
  }
}

void ClasseLaSalle(benchmark::State& etat) { Classe(etat, false); }
void ClasseLaSalleParSalle(benchmark::State& etat) { Classe(etat, true); }

void CommandeClassement(benchmark::State& etat) {
  std::vector<std::string> arguments = {"--classement", "--json"};
  arguments.insert(arguments.end(), LaSalle().Chemins().begin(), LaSalle().Chemins().end());
  for (auto _ : etat) {
    std::istringstream entree;
    std::ostringstream sortie, erreurs;
    const int code = solve::ExecuteLigne("tolvan-stats", "", arguments, {stats::ModeClassement(entree)}, sortie, erreurs);
    if (code != 0) etat.SkipWithError(erreurs.str().c_str());
    benchmark::DoNotOptimize(sortie.str());
  }
}

BENCHMARK(ClasseLaSalle)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ClasseLaSalleParSalle)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(CommandeClassement)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
