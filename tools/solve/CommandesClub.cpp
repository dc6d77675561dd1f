#include "solve/CommandesClub.h"

#include <limits>
#include <ostream>
#include <random>

#include "competition/BaremeClubs.h"
#include "competition/CodeSerie.h"
#include "competition/TiragesDuCode.h"
#include "solve/SolveCommand.h"

namespace tolvan::solve {

namespace {

// The parameters of a new code, each within what a code can carry.
std::optional<ParametresSerie> LitParametres(const LigneDeCommande& ligne, std::string& erreur) {
  ParametresSerie parametres;
  parametres.realisables = ligne.Donnee("--realisables");
  if (const std::optional<std::string> texte = ligne.Valeur("--tirages")) {
    const auto tirages = LitArgument(*texte, 1, CodeSerie::TiragesMax, "le nombre de tirages", erreur);
    if (!tirages) return std::nullopt;
    parametres.tirages = static_cast<int>(*tirages);
  }
  if (const std::optional<std::string> texte = ligne.Valeur("--temps")) {
    const auto temps = LitArgument(*texte, CodeSerie::TempsMin, CodeSerie::TempsMax, "le temps en secondes", erreur);
    if (!temps) return std::nullopt;
    parametres.temps = static_cast<int>(*temps);
  }
  return parametres;
}

int NouveauCode(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  std::optional<ParametresSerie> parametres = LitParametres(ligne, erreur);
  if (!parametres) return ligne.Refuse(erreur, erreurs);
  std::random_device aleatoire;
  parametres->graine = ((std::uint64_t{aleatoire()} << 32) | aleatoire()) & CodeSerie::GraineMax;
  const std::optional<CodeSerie> code = CodeSerie::Fait(*parametres, erreur);
  if (!code) return ligne.Refuse(erreur, erreurs);
  sortie << code->Texte() << '\n';
  return 0;
}

void EcritCorrigeJson(const CodeSerie& code, const std::vector<Corrige>& corriges, std::ostream& sortie) {
  sortie << "{\"Code\":" << ChaineJson(code.Texte()) << ",\"Temps\":" << code.Temps() << ",\"Tirages\":[";
  for (std::size_t i = 0; i < corriges.size(); ++i) {
    const Corrige& corrige = corriges[i];
    sortie << (i > 0 ? "," : "") << "{\"Nombres\":[";
    for (int n = 1; n <= NbNombres; ++n) sortie << (n > 1 ? "," : "") << corrige.tirage.Nombres[n];
    sortie << "],\"Resultat\":" << corrige.tirage.Resultat << ",\"Meilleur\":" << corrige.meilleur
           << ",\"Solution\":" << ChaineJson(corrige.solution) << '}';
  }
  sortie << "]}\n";
}

// The series of a code, each draw with its best result and simplest solution.
int CorrigeCode(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
  if (ligne.Mots().empty()) return ligne.Refuse("--code attend un code de partie", erreurs);
  std::string texte;
  for (const std::string& mot : ligne.Mots()) texte += mot + ' ';
  RefusCode refus;
  const std::optional<CodeSerie> code = CodeSerie::Lit(texte, refus);
  if (!code) return ligne.Refuse(TexteRefus(refus), erreurs);
  const std::vector<Corrige> corriges = CorrigeDuCode(*code);
  if (ligne.Donnee("--json")) {
    EcritCorrigeJson(*code, corriges, sortie);
    return 0;
  }
  sortie << "Partie par code " << code->Texte() << " : " << code->Description() << '\n';
  for (std::size_t i = 0; i < corriges.size(); ++i) {
    sortie << i + 1 << ". " << TexteTirage(corriges[i].tirage) << "   meilleur : "
           << (corriges[i].solution.empty() ? "aucun calcul possible" : corriges[i].solution) << '\n';
  }
  return 0;
}

// The points of a result (0 for none) on the clubs' scale, for a draw of
// six numbers.
int Points(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
  const std::vector<std::string>& valeurs = ligne.Mots();
  if (valeurs.size() != 8) {
    return ligne.Refuse("--points attend six nombres, la cible et le résultat trouvé, soit 8 valeurs (reçu " +
                            std::to_string(valeurs.size()) + ")",
                        erreurs);
  }
  std::string erreur;
  const std::optional<TTirage> tirage = LitTirage({valeurs.begin(), valeurs.begin() + 7}, "la cible", erreur);
  if (!tirage) return ligne.Refuse(erreur, erreurs);
  const std::optional<longint> resultat =
      LitArgument(valeurs[7], std::numeric_limits<longint>::max(), "le résultat", erreur);
  if (!resultat) return ligne.Refuse(erreur, erreurs);
  const int points = BaremeClubs(*tirage).Points(*resultat > 0 ? resultat : std::nullopt);
  if (ligne.Donnee("--json")) {
    sortie << "{\"Points\":" << points << "}\n";
  } else {
    sortie << "Points : " << points << '\n';
  }
  return 0;
}

}  // namespace

ModeCommande ModeNouveauCode() {
  return {"--nouveau-code",
          {{"--nouveau-code"},
           {"--tirages", Suite::Valeur, "un nombre de tirages de 1 à " + std::to_string(CodeSerie::TiragesMax)},
           {"--temps", Suite::Valeur,
            "un nombre de secondes de " + std::to_string(CodeSerie::TempsMin) + " à " +
                std::to_string(CodeSerie::TempsMax)},
           {"--realisables"}},
          false,
          NouveauCode};
}

ModeCommande ModeCode() { return {"--code", {{"--code"}, OptionJson}, true, CorrigeCode}; }

ModeCommande ModePoints() { return {"--points", {{"--points"}, OptionJson}, true, Points}; }

}  // namespace tolvan::solve
