#include "BaremeClubs.h"

#include <algorithm>
#include <cstdlib>

#include "engine/Atteignables.h"

namespace tolvan {

namespace {

struct Palier {
  longint ecartMax;
  int points;
};

// The ordinary scale, nearest first.
constexpr std::array<Palier, 10> Paliers = {{
    {0, 10}, {1, 9}, {2, 8}, {3, 7}, {4, 6}, {5, 5}, {6, 4}, {8, 3}, {10, 2}, {20, 1},
}};

}  // namespace

int BaremeClubs::PointsOrdinaires(longint ecart) {
  for (const Palier& palier : Paliers) {
    if (ecart <= palier.ecartMax) return palier.points;
  }
  return 0;
}

namespace {

const Atteignables& AtteintsPar(const TTirage& tirage) {
  static thread_local Atteignables atteignables;
  atteignables.Calcule(tirage.Nombres.items);
  return atteignables;
}

}  // namespace

BaremeClubs::BaremeClubs(const TTirage& tirage) : BaremeClubs(tirage, AtteintsPar(tirage)) {}

BaremeClubs::BaremeClubs(const TTirage& tirage, const Atteignables& atteignables) : cible_(tirage.Resultat) {
  const std::int64_t cible = cible_;
  const auto atteint = [&](std::int64_t valeur) { return valeur >= 1 && atteignables.Atteint(valeur); };
  // Past distance Borne every number below the target has been looked at,
  // and above it only the smallest reachable from Borne on is known.
  std::int64_t ecartMax = Paliers.back().ecartMax;
  for (std::int64_t ecart = 0; ecart < Atteignables::Borne; ++ecart) {
    const bool dessous = atteint(cible - ecart), dessus = ecart > 0 && atteint(cible + ecart);
    if (!dessous && !dessus) continue;
    if (ecartsProches_.size() < PointsExceptionnels.size()) {
      ecartsProches_.push_back(static_cast<longint>(ecart));
      ecartMax = std::max(ecartMax, ecart);
    }
    if (ecart > ecartMax) break;
    if (dessous) atteintsQuiComptent_.push_back(static_cast<longint>(cible - ecart));
    if (dessus) atteintsQuiComptent_.push_back(static_cast<longint>(cible + ecart));
  }
  std::sort(atteintsQuiComptent_.begin(), atteintsQuiComptent_.end());
}

int BaremeClubs::Points(std::optional<longint> resultat) const {
  if (!resultat || !std::binary_search(atteintsQuiComptent_.begin(), atteintsQuiComptent_.end(), *resultat)) return 0;
  const longint ecart = std::abs(*resultat - cible_);
  const int ordinaires = PointsOrdinaires(ecart);
  if (CibleAtteignable()) return ordinaires;
  const auto rang = std::find(ecartsProches_.begin(), ecartsProches_.end(), ecart) - ecartsProches_.begin();
  const int exceptionnels =
      rang < static_cast<std::ptrdiff_t>(ecartsProches_.size()) ? PointsExceptionnels[static_cast<std::size_t>(rang)] : 0;
  return std::max(ordinaires, exceptionnels);
}

}  // namespace tolvan
