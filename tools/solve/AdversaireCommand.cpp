#include "solve/AdversaireCommand.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <ostream>

#include "game/Adversaire.h"
#include "solve/SolveCommand.h"

namespace tolvan::solve {

namespace {

constexpr const char* Option = "--adversaire";

struct DemandeDuel {
  int force = 0;
  std::uint64_t graine = 0;
  double secondes = SecondesDuelParDefaut;
  Demande tirage;  // the draw and --json, read as for any draw
};

template <class T>
std::optional<T> LitNombre(const std::string& texte) {
  T valeur{};
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  if (texte.empty() || erreur != std::errc() || fin != texte.data() + texte.size()) return std::nullopt;
  return valeur;
}

// The value following option `i`, or nothing when there is none.
std::optional<std::string> Valeur(const std::vector<std::string>& arguments, std::size_t& i) {
  if (i + 1 >= arguments.size()) return std::nullopt;
  return arguments[++i];
}

std::optional<DemandeDuel> LitDuel(const std::vector<std::string>& arguments, std::string& erreur) {
  DemandeDuel duel;
  std::vector<std::string> reste;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == Option) {
      const auto texte = Valeur(arguments, i);
      const auto force = texte ? LitNombre<int>(*texte) : std::nullopt;
      if (!force || *force < ForceMin || *force > ForceMax) {
        erreur = "--adversaire attend une force de 1 à 5";
        return std::nullopt;
      }
      duel.force = *force;
    } else if (argument == "--graine") {
      const auto texte = Valeur(arguments, i);
      const auto graine = texte ? LitNombre<std::uint64_t>(*texte) : std::nullopt;
      if (!graine) {
        erreur = "--graine attend un nombre entier de 0 à 18446744073709551615";
        return std::nullopt;
      }
      duel.graine = *graine;
    } else if (argument == "--temps") {
      const auto texte = Valeur(arguments, i);
      const auto secondes = texte ? LitNombre<double>(*texte) : std::nullopt;
      if (!secondes || !std::isfinite(*secondes) || *secondes < 0) {
        erreur = "--temps attend un nombre de secondes positif ou nul";
        return std::nullopt;
      }
      duel.secondes = *secondes;
    } else {
      reste.push_back(argument);
    }
  }
  const std::optional<Demande> tirage = LitArguments(reste, erreur);
  if (!tirage) return std::nullopt;
  if (tirage->serie || tirage->toutes || tirage->jour || !tirage->fichier.empty()) {
    erreur = "avec --adversaire, ni --series, ni --all, ni --jour, ni --file";
    return std::nullopt;
  }
  duel.tirage = *tirage;
  return duel;
}

std::string EnSecondes(double secondes) {
  char texte[32];
  std::snprintf(texte, sizeof texte, "%.1f", secondes);
  return texte;
}

void EcritJson(const DemandeDuel& duel, const ReponseAdversaire& r, std::ostream& sortie) {
  sortie << "{\"Force\":" << duel.force << ",\"Nom\":\"" << ProfilDeForce(duel.force).nom << "\",\"Annonce\":" << r.annonce
         << ",\"Exact\":" << (r.exact ? "true" : "false") << ",\"Secondes\":" << EnSecondes(r.secondes)
         << ",\"Lignes\":[";
  const std::vector<std::string> lignes = r.Lignes();
  for (std::size_t k = 0; k < lignes.size(); ++k) sortie << (k ? "," : "") << '"' << lignes[k] << '"';
  sortie << "]}\n";
}

void EcritTexte(const DemandeDuel& duel, const ReponseAdversaire& r, std::ostream& sortie) {
  sortie << "Adversaire : " << ProfilDeForce(duel.force).nom << " (force " << duel.force << ")\n";
  if (r.annonce == 0) {
    sortie << "Rien trouvé en " << EnSecondes(duel.secondes) << " s\n";
    return;
  }
  sortie << "Annonce " << r.annonce << (r.exact ? " (le compte est bon)" : " (pas exact)") << " en "
         << EnSecondes(r.secondes) << " s\n";
  for (const std::string& ligne : r.Lignes()) sortie << "  " << ligne << '\n';
}

}  // namespace

bool DemandeAdversaire(const std::vector<std::string>& arguments) {
  return std::find(arguments.begin(), arguments.end(), Option) != arguments.end();
}

int ExecuteAdversaire(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  const std::optional<DemandeDuel> duel = LitDuel(arguments, erreur);
  if (!duel) {
    erreurs << "tolvan-solve : " << erreur << '\n';
    return 2;
  }
  Solveur solveur;
  solveur.ChangeTirage(duel->tirage.tirage);
  solveur.ChercheSol(0);
  SolutionsVoisines solutions(solveur);
  const ReponseAdversaire reponse = Adversaire(duel->force, duel->graine).Repond(solutions, duel->secondes);
  if (duel->tirage.json) {
    EcritJson(*duel, reponse, sortie);
  } else {
    EcritTexte(*duel, reponse, sortie);
  }
  return 0;
}

}  // namespace tolvan::solve
