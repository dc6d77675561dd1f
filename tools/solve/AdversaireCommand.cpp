#include "solve/AdversaireCommand.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <ostream>

#include "game/Adversaire.h"
#include "solve/Citation.h"
#include "solve/SolveCommand.h"

namespace tolvan::solve {

namespace {

// The longest clock the game has: "illimité" is one hour.
constexpr int SecondesMax = 3600;

struct DemandeDuel {
  int force = 0;
  std::uint64_t graine = 0;
  double secondes = SecondesDuelParDefaut;
  TTirage tirage;
  bool json = false;
};

template <class T>
std::optional<T> LitNombre(std::string_view texte) {
  T valeur{};
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
  if (texte.empty() || erreur != std::errc() || fin != texte.data() + texte.size()) return std::nullopt;
  return valeur;
}

// Seconds to the tenth, as the duel's clock counts them: "40", "12.5" or
// "12,5", from 0 to SecondesMax; nothing for any other writing, so that no
// answer is given to the tenth for a time finer than that.
std::optional<double> LitDixiemes(std::string_view texte) {
  const std::size_t virgule = texte.find_first_of(".,");
  const std::string_view dixiemes = virgule == std::string_view::npos ? "" : texte.substr(virgule + 1);
  const std::optional<unsigned> entieres = LitNombre<unsigned>(texte.substr(0, virgule));
  const bool unChiffre = dixiemes.size() == 1 && dixiemes[0] >= '0' && dixiemes[0] <= '9';
  if (!entieres || (virgule != std::string_view::npos && !unChiffre)) return std::nullopt;
  const double secondes = *entieres + (unChiffre ? (dixiemes[0] - '0') / 10.0 : 0.0);
  if (secondes > SecondesMax) return std::nullopt;
  return secondes;
}

std::optional<DemandeDuel> LitDuel(const LigneDeCommande& ligne, std::string& erreur) {
  DemandeDuel duel;
  duel.json = ligne.Donnee("--json");
  const std::optional<longint> force = LitArgument(*ligne.Valeur("--adversaire"), ForceMin, ForceMax, "la force", erreur);
  if (!force) return std::nullopt;
  duel.force = static_cast<int>(*force);
  if (const std::optional<std::string> texte = ligne.Valeur("--graine")) {
    const std::optional<std::uint64_t> graine = LitNombre<std::uint64_t>(*texte);
    if (!graine) {
      erreur = Cite(*texte) + " n'est pas une graine : il faut un nombre entier de 0 à 18446744073709551615";
      return std::nullopt;
    }
    duel.graine = *graine;
  }
  if (const std::optional<std::string> texte = ligne.Valeur("--temps")) {
    const std::optional<double> secondes = LitDixiemes(*texte);
    if (!secondes) {
      erreur = Cite(*texte) + " n'est pas un temps de 0 à " + std::to_string(SecondesMax) +
               " secondes au dixième près";
      return std::nullopt;
    }
    duel.secondes = *secondes;
  }
  const std::optional<TTirage> tirage = LitTirage(ligne.Mots(), "le résultat", erreur);
  if (!tirage) return std::nullopt;
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

int ExecuteAdversaire(const LigneDeCommande& ligne, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  const std::optional<DemandeDuel> duel = LitDuel(ligne, erreur);
  if (!duel) return ligne.Refuse(erreur, erreurs);
  Solveur solveur;
  solveur.ChangeTirage(duel->tirage);
  solveur.ChercheSol(0);
  SolutionsVoisines solutions(solveur);
  const ReponseAdversaire reponse = Adversaire(duel->force, duel->graine).Repond(solutions, duel->secondes);
  if (duel->json) {
    EcritJson(*duel, reponse, sortie);
  } else {
    EcritTexte(*duel, reponse, sortie);
  }
  return 0;
}

}  // namespace

ModeCommande ModeAdversaire() {
  return {"--adversaire",
          {{"--adversaire", Suite::Valeur, "une force de 1 à 5"},
           {"--graine", Suite::Valeur, "un nombre entier de 0 à 18446744073709551615"},
           {"--temps", Suite::Valeur, "un nombre de secondes de 0 à " + std::to_string(SecondesMax) + ", au dixième près"},
           OptionJson},
          true,
          ExecuteAdversaire};
}

}  // namespace tolvan::solve
