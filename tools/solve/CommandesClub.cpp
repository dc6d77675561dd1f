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

enum class Commande { Aucune, NouveauCode, Code, Points };

struct DemandeClub {
  Commande commande = Commande::Aucune;
  ParametresSerie parametres;
  bool parametresDonnes = false;  // --tirages, --temps or --realisables
  bool json = false;
  std::vector<std::string> valeurs;
};

Commande CommandeDe(const std::string& argument) {
  if (argument == "--nouveau-code") return Commande::NouveauCode;
  if (argument == "--code") return Commande::Code;
  if (argument == "--points") return Commande::Points;
  return Commande::Aucune;
}

// The number following option `arguments[i]`, which `i` then moves past.
std::optional<int> LitValeurOption(const std::vector<std::string>& arguments, std::size_t& i, const char* quoi,
                                   std::string& erreur) {
  if (i + 1 >= arguments.size()) {
    erreur = arguments[i] + " attend " + quoi;
    return std::nullopt;
  }
  return LitArgument(arguments[++i], 9999, quoi, erreur);
}

std::optional<DemandeClub> LitDemande(const std::vector<std::string>& arguments, std::string& erreur) {
  DemandeClub demande;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (const Commande commande = CommandeDe(argument); commande != Commande::Aucune) {
      if (demande.commande != Commande::Aucune) {
        erreur = "une seule commande parmi --nouveau-code, --code et --points";
        return std::nullopt;
      }
      demande.commande = commande;
    } else if (argument == "--tirages" || argument == "--temps") {
      const bool tirages = argument == "--tirages";
      const auto valeur = LitValeurOption(arguments, i, tirages ? "le nombre de tirages" : "le temps en secondes", erreur);
      if (!valeur) return std::nullopt;
      (tirages ? demande.parametres.tirages : demande.parametres.temps) = *valeur;
      demande.parametresDonnes = true;
    } else if (argument == "--realisables") {
      demande.parametres.realisables = true;
      demande.parametresDonnes = true;
    } else if (argument == "--json") {
      demande.json = true;
    } else if (argument.starts_with("--")) {
      erreur = "option inconnue « " + argument + " »";
      return std::nullopt;
    } else {
      demande.valeurs.push_back(argument);
    }
  }
  if (demande.parametresDonnes && demande.commande != Commande::NouveauCode) {
    erreur = "--tirages, --temps et --realisables vont avec --nouveau-code";
  } else if (demande.commande == Commande::NouveauCode && (!demande.valeurs.empty() || demande.json)) {
    erreur = "--nouveau-code ne prend ni valeur ni --json";
  } else if (demande.commande == Commande::Code && demande.valeurs.empty()) {
    erreur = "--code attend un code de partie";
  } else if (demande.commande == Commande::Points && (demande.valeurs.size() < 3 || demande.valeurs.size() > 8)) {
    erreur = "--points attend un à six nombres, la cible et le résultat trouvé (reçu " +
             std::to_string(demande.valeurs.size()) + " valeurs)";
  } else {
    return demande;
  }
  return std::nullopt;
}

int NouveauCode(ParametresSerie parametres, std::ostream& sortie, std::ostream& erreurs) {
  std::random_device aleatoire;
  parametres.graine = ((std::uint64_t{aleatoire()} << 32) | aleatoire()) & CodeSerie::GraineMax;
  std::string erreur;
  const std::optional<CodeSerie> code = CodeSerie::Fait(parametres, erreur);
  if (!code) {
    erreurs << "tolvan-solve : " << erreur << '\n';
    return 2;
  }
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
int CorrigeCode(const DemandeClub& demande, std::ostream& sortie, std::ostream& erreurs) {
  std::string texte, erreur;
  for (const std::string& valeur : demande.valeurs) texte += valeur + ' ';
  const std::optional<CodeSerie> code = CodeSerie::Lit(texte, erreur);
  if (!code) {
    erreurs << "tolvan-solve : " << erreur << '\n';
    return 2;
  }
  const std::vector<Corrige> corriges = CorrigeDuCode(*code);
  if (demande.json) {
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

// The points of a result (0 for none) on the clubs' scale.
int Points(const DemandeClub& demande, std::ostream& sortie, std::ostream& erreurs) {
  const std::vector<std::string>& valeurs = demande.valeurs;
  const std::size_t nbNombres = valeurs.size() - 2;
  TTirage tirage;
  std::string erreur;
  std::optional<longint> resultat;
  for (std::size_t i = 0; i < valeurs.size() && erreur.empty(); ++i) {
    const bool nombre = i < nbNombres, cible = i == nbNombres;
    const longint maximum = nombre ? 999 : cible ? 9999 : std::numeric_limits<longint>::max();
    const std::optional<longint> valeur =
        LitArgument(valeurs[i], maximum, nombre ? "le nombre" : cible ? "la cible" : "le résultat", erreur);
    if (!valeur) break;
    if (nombre) tirage.Nombres[i + 1] = *valeur;
    if (cible) tirage.Resultat = *valeur;
    if (!nombre && !cible && *valeur > 0) resultat = *valeur;
  }
  if (!erreur.empty()) {
    erreurs << "tolvan-solve : " << erreur << '\n';
    return 2;
  }
  const int points = BaremeClubs(tirage).Points(resultat);
  if (demande.json) {
    sortie << "{\"Points\":" << points << "}\n";
  } else {
    sortie << "Points : " << points << '\n';
  }
  return 0;
}

}  // namespace

std::optional<int> ExecuteClub(const std::vector<std::string>& arguments, std::ostream& sortie,
                               std::ostream& erreurs) {
  bool club = false;
  for (const std::string& argument : arguments) club |= CommandeDe(argument) != Commande::Aucune;
  if (!club) return std::nullopt;
  std::string erreur;
  const std::optional<DemandeClub> demande = LitDemande(arguments, erreur);
  if (!demande) {
    erreurs << "tolvan-solve : " << erreur << '\n';
    return 2;
  }
  switch (demande->commande) {
    case Commande::NouveauCode: return NouveauCode(demande->parametres, sortie, erreurs);
    case Commande::Code: return CorrigeCode(*demande, sortie, erreurs);
    default: return Points(*demande, sortie, erreurs);
  }
}

}  // namespace tolvan::solve
