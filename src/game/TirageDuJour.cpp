#include "TirageDuJour.h"

#include <array>
#include <cstdio>

#include "SplitMix64.h"
#include "Tirages.h"
#include "engine/Difficulte.h"

namespace tolvan {

int DifficulteDuJour(const Date& date) {
  // Monday to Sunday.
  constexpr std::array<int, 7> Marques = {1, 2, 2, 3, 3, 4, 4};
  const unsigned isoLundi = std::chrono::weekday(std::chrono::sys_days(date)).iso_encoding();
  return Marques[isoLundi - 1];
}

std::uint64_t GraineDuJour(const Date& date) {
  return static_cast<std::uint64_t>(static_cast<int>(date.year())) * 10000 +
         static_cast<unsigned>(date.month()) * 100 + static_cast<unsigned>(date.day());
}

int TireDuJour(Solveur& solveur, const Date& date) {
  SplitMix64 generateur(GraineDuJour(date));
  const Hasard hasard = [&generateur](int n) { return generateur.Entre(n); };
  const int marque = DifficulteDuJour(date);
  for (int tires = 1;; ++tires) {
    TTirage tirage;
    TireSixNombres(tirage, hasard);
    TireCible(tirage, hasard);
    solveur.ChangeTirage(tirage);
    solveur.ChercheSol(0);
    if (!solveur.SolutionApprochee && MarqueDifficulte(solveur) == marque) return tires;
  }
}

std::optional<Date> LitDate(std::string_view texte) {
  const auto chiffres = [&texte](std::size_t debut, std::size_t longueur) -> std::optional<unsigned> {
    unsigned valeur = 0;
    for (std::size_t i = debut; i < debut + longueur; ++i) {
      if (texte[i] < '0' || texte[i] > '9') return std::nullopt;
      valeur = valeur * 10 + static_cast<unsigned>(texte[i] - '0');
    }
    return valeur;
  };
  if (texte.size() != 10 || texte[4] != '-' || texte[7] != '-') return std::nullopt;
  const auto annee = chiffres(0, 4), mois = chiffres(5, 2), jour = chiffres(8, 2);
  // The calendar has no year 0.
  if (!annee || !mois || !jour || *annee == 0) return std::nullopt;
  const Date date{std::chrono::year(static_cast<int>(*annee)), std::chrono::month(*mois), std::chrono::day(*jour)};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::string TexteDate(const Date& date) {
  char texte[16];
  std::snprintf(texte, sizeof texte, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return texte;
}

}  // namespace tolvan
