#include "LignesEvidentes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "engine/SolutionText.h"

namespace tolvan {

namespace {

longint Ecart(longint valeur, longint cible) {
  return static_cast<longint>(std::abs(std::int64_t{valeur} - cible));
}

// Takes one `valeur` out of `nombres`, if there.
void Retire(std::vector<longint>& nombres, longint valeur) {
  if (const auto trouve = std::find(nombres.begin(), nombres.end(), valeur); trouve != nombres.end()) {
    nombres.erase(trouve);
  }
}

// Whether a line of `enMain` with a number made by one line of two of
// `restants` gives `cible`.
bool CibleEnDeuxLignes(longint enMain, const std::vector<longint>& restants, longint cible) {
  for (std::size_t i = 0; i < restants.size(); ++i) {
    for (std::size_t j = i + 1; j < restants.size(); ++j) {
      for (const TEtape& paire : LignesPermises(restants[i], restants[j])) {
        for (const TEtape& fin : LignesPermises(enMain, Calcule(paire))) {
          if (Calcule(fin) == cible) return true;
        }
      }
    }
  }
  return false;
}

}  // namespace

LignesDeDeux LignesPermises(longint x, longint y) {
  LignesDeDeux lignes;
  const longint a = std::max(x, y);
  const longint b = std::min(x, y);
  if (b < 1) return lignes;
  constexpr std::int64_t plusGrand = std::numeric_limits<longint>::max();
  if (std::int64_t{a} + b <= plusGrand) lignes.Ajoute({a, b, OperAddition});
  if (a > b) lignes.Ajoute({a, b, OperSoustraction});
  if (b > 1 && std::int64_t{a} * b <= plusGrand) lignes.Ajoute({a, b, OperMultiplication});
  if (b > 1 && a % b == 0) lignes.Ajoute({a, b, OperDivision});
  return lignes;
}

std::vector<longint> NombresRestants(const TTirage& tirage, const TSolution& solution) {
  std::vector<longint> restants(tirage.Nombres.begin(), tirage.Nombres.end());
  for (int k = 1; k <= solution.NbEtapes; ++k) {
    Retire(restants, solution.Etapes[k].Op1);
    Retire(restants, solution.Etapes[k].Op2);
    restants.push_back(solution.Resultats[k]);
  }
  if (solution.NbEtapes > 0) Retire(restants, solution.Resultats[solution.NbEtapes]);
  return restants;
}

std::optional<TSolution> FinitAuPlusPres(const TTirage& tirage, TSolution solution, longint cible) {
  std::vector<longint> restants = NombresRestants(tirage, solution);
  while (solution.NbEtapes < NbEtapesMax) {
    const longint enMain = solution.Resultats[solution.NbEtapes];
    std::optional<TEtape> meilleure;
    longint ecartMeilleur = Ecart(enMain, cible);
    longint utilise = 0;
    for (const longint nombre : restants) {
      for (const TEtape& ligne : LignesPermises(enMain, nombre)) {
        const longint ecart = Ecart(Calcule(ligne), cible);
        if (ecart >= ecartMeilleur) continue;
        meilleure = ligne;
        ecartMeilleur = ecart;
        utilise = nombre;
      }
    }
    if (ecartMeilleur == 0 || CibleEnDeuxLignes(enMain, restants, cible)) return std::nullopt;
    if (!meilleure) return solution;
    const int k = solution.NbEtapes + 1;
    solution.NbEtapes = static_cast<word>(k);
    solution.Etapes[static_cast<std::size_t>(k)] = *meilleure;
    solution.Resultats[static_cast<std::size_t>(k)] = Calcule(*meilleure);
    Retire(restants, utilise);
  }
  return solution;
}

}  // namespace tolvan
