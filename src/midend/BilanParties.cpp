#include "BilanParties.h"

#include <algorithm>

namespace tolvan {

SeriesDeJours CompteSeries(const std::vector<std::pair<QDate, bool>>& premiersEssais, QDate aujourdhui) {
  SeriesDeJours series;
  int enCours = 0;
  QDate dernierTrouve;
  for (const auto& [jour, trouve] : premiersEssais) {
    if (!trouve) {
      enCours = 0;
      continue;
    }
    enCours = dernierTrouve.isValid() && dernierTrouve.daysTo(jour) == 1 && enCours > 0 ? enCours + 1 : 1;
    dernierTrouve = jour;
    series.meilleure = std::max(series.meilleure, enCours);
  }
  // The run still goes on when its last day is today, or yesterday while
  // today's draw waits.
  const bool aujourdhuiJoue = !premiersEssais.empty() && premiersEssais.back().first == aujourdhui;
  const QDate fin = aujourdhuiJoue ? aujourdhui : aujourdhui.addDays(-1);
  if (enCours > 0 && dernierTrouve == fin) series.actuelle = enCours;
  return series;
}

std::optional<double> Mediane(const std::vector<int>& triees) {
  if (triees.empty()) return std::nullopt;
  const std::size_t milieu = triees.size() / 2;
  if (triees.size() % 2 == 1) return triees[milieu];
  return (triees[milieu - 1] + triees[milieu]) / 2.0;
}

}  // namespace tolvan
