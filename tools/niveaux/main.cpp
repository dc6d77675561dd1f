// tolvan-niveaux OUTDIR: makes the three levels that come with the game,
// each with its draws file, from the game's own series generation and
// solver, by difficulty mark: "Débutant" (marks 1 and 2, 90 s), "Confirmé"
// (marks 2 and 3, 60 s) and "Expert" (marks 3 and 4, 45 s).
// The generator is seeded, so the files come out the same every time.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "competition/Niveau.h"
#include "engine/Difficulte.h"
#include "library/FichierTirages.h"
#include "library/GenerationSerie.h"
#include "library/TexteWindows.h"

namespace {

using namespace tolvan;

constexpr int TiragesParNiveau = 200;

struct Modele {
  const char* nom;
  const char* fichier;  // without extension: the level's and its draws'
  word temps;
  std::function<bool(const Solveur&)> retenu;
};

bool Ecrit(const std::filesystem::path& chemin, const std::string& octets) {
  std::ofstream sortie(chemin, std::ios::binary);
  sortie << octets;
  return static_cast<bool>(sortie);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage : tolvan-niveaux DOSSIER\n");
    return 2;
  }
  const std::filesystem::path dossier(argv[1]);
  std::filesystem::create_directories(dossier);
  const Modele modeles[] = {
      {"Débutant", "debutant", 90, [](const Solveur& s) { return MarqueDifficulte(s) <= 2; }},
      {"Confirmé", "confirme", 60, [](const Solveur& s) { return MarqueDifficulte(s) == 2 || MarqueDifficulte(s) == 3; }},
      {"Expert", "expert", 45, [](const Solveur& s) { return MarqueDifficulte(s) == 3 || MarqueDifficulte(s) == 4; }},
  };
  std::mt19937 generateur(2026);
  const Hasard hasard = [&generateur](int n) { return std::uniform_int_distribution<int>(0, n - 1)(generateur); };
  Solveur travail;
  for (const Modele& modele : modeles) {
    std::vector<RangeeTirage> rangees;
    while (rangees.size() < TiragesParNiveau) {
      RangeeTirage rangee = TirageDeSerie(travail, hasard);
      if (modele.retenu(travail)) rangees.push_back(std::move(rangee));
    }
    Niveau niveau;
    niveau.nom = modele.nom;
    niveau.fichierTirages = std::string(modele.fichier) + ".tir";
    niveau.tempsNiveau = modele.temps;
    if (!Ecrit(dossier / niveau.fichierTirages, OctetsFichierTirages(rangees)) ||
        !Ecrit(dossier / (std::string(modele.fichier) + ".niv"), OctetsTexte(LignesNiveau(niveau)))) {
      std::fprintf(stderr, "tolvan-niveaux : impossible d'écrire dans %s\n", argv[1]);
      return 1;
    }
    std::printf("%s : %zu tirages\n", modele.nom, rangees.size());
  }
  return 0;
}
