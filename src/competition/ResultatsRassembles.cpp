#include "ResultatsRassembles.h"

#include <algorithm>
#include <sstream>

#include "library/TexteWindows.h"

namespace tolvan {

namespace {

bool Blanche(std::string_view ligne) { return ligne.find_first_not_of(" \t") == std::string_view::npos; }

// Reads every line `lecteur` gives, then says what kept the file from being read whole.
Rassemblement Lit(LecteurLignes& lecteur, const std::string& source) {
  Rassemblement lu;
  const auto refuse = [&](ProblemeFichier probleme) { lu.fichiers.push_back({{source, 0}, probleme}); };
  int numero = 0;
  while (std::optional<std::string> ligne = lecteur.Suivante()) {
    ++numero;
    if (ligne->find('\0') != std::string::npos) {
      lu.lignes.clear();
      refuse(ProblemeFichier::PasDuTexte);
      return lu;
    }
    if (!Blanche(*ligne)) lu.lignes.push_back({{source, numero}, Utf8DepuisTexteLibre(*ligne)});
  }
  if (lecteur.ErreurDeLecture()) {
    refuse(ProblemeFichier::Illisible);
  } else if (lecteur.Tronque()) {
    refuse(ProblemeFichier::TropLong);
  } else if (lu.lignes.empty()) {
    refuse(ProblemeFichier::Vide);
  }
  return lu;
}

}  // namespace

void Rassemblement::Ajoute(Rassemblement autre) {
  lignes.insert(lignes.end(), std::make_move_iterator(autre.lignes.begin()), std::make_move_iterator(autre.lignes.end()));
  fichiers.insert(fichiers.end(), autre.fichiers.begin(), autre.fichiers.end());
}

void Rassemblement::Retire(const std::string& fichier) {
  std::erase_if(lignes, [&](const LigneRassemblee& ligne) { return ligne.ou.fichier == fichier; });
  std::erase_if(fichiers, [&](const FichierRefuse& refus) { return refus.ou.fichier == fichier; });
}

Rassemblement LitTexteClub(std::string_view octets, const std::string& source) {
  return LitFluxClub(std::make_unique<std::istringstream>(std::string(octets)), source);
}

Rassemblement LitFichierClub(const std::string& chemin, const std::string& source) {
  LecteurLignes lecteur(OctetsMaxClub, std::size_t{1} << 16, FinsDeLigne::WindowsOuUnix);
  if (!lecteur.Ouvre(chemin)) return {{}, {{{source, 0}, ProblemeFichier::Illisible}}};
  return Lit(lecteur, source);
}

Rassemblement LitFluxClub(std::unique_ptr<std::istream> flux, const std::string& source) {
  LecteurLignes lecteur(OctetsMaxClub, std::size_t{1} << 16, FinsDeLigne::WindowsOuUnix);
  lecteur.LitDepuis(std::move(flux));
  return Lit(lecteur, source);
}

}  // namespace tolvan
