// What "Mes parties" tells of a player's history: how many games, how many
// found, the runs of days with the draw of the day found, the last 30 days
// and the median time to find a draw by its difficulty mark.
#pragma once

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include <QDate>
#include <QString>

namespace tolvan {

inline constexpr int JoursRecents = 30;
// Only marks 1 to 4 can be found: 5 is a target out of exact reach.
inline constexpr int MarquesTrouvables = 4;

struct JourDeParties {
  QDate jour;
  int trouvees = 0;
  int ratees = 0;
};

struct SeriesDeJours {
  int actuelle = 0;
  int meilleure = 0;
};

struct BilanParties {
  int parties = 0;
  int trouvees = 0;
  SeriesDeJours series;
  std::vector<JourDeParties> derniersJours;  // the last 30 days, today last
  std::array<std::optional<double>, MarquesTrouvables> medianes;  // seconds, by mark 1 to 4
  QString erreur;     // why the games on file could not be read; empty when they were
  int enAttente = 0;  // games finished but not yet written, counted nowhere above
};

// Runs of consecutive days whose draw of the day was found at the first
// attempt, from (day, found) pairs in date order. Today's draw not played
// yet leaves yesterday's run going on.
SeriesDeJours CompteSeries(const std::vector<std::pair<QDate, bool>>& premiersEssais, QDate aujourdhui);

// The median of values sorted in increasing order; nothing for none.
std::optional<double> Mediane(const std::vector<int>& triees);

}  // namespace tolvan
