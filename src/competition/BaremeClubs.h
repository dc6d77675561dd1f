// The clubs' scale: what a result is worth in club play and in the duel.
//
// The ordinary scale counts how far the result is from the target: exact
// 10, 1 away 9, 2 away 8, 3 away 7, 4 away 6, 5 away 5, 6 away 4, 7 or 8
// away 3, 9 or 10 away 2, 11 to 20 away 1, further 0. When the target
// cannot be reached, the exceptional scale counts how near the result is
// among the reachable numbers instead: at the nearest distance any number
// is reachable 8, at the next nearest distance 6, then 4, 2 and 1. A result
// is worth the larger of the two.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "engine/Records.h"

namespace tolvan {

class Atteignables;

class BaremeClubs {
 public:
  // Points at the nearest distinct distances, nearest first.
  static constexpr std::array<int, 5> PointsExceptionnels = {8, 6, 4, 2, 1};

  // Finds what the draw's numbers can reach (a few milliseconds at most).
  explicit BaremeClubs(const TTirage& tirage);
  // From what the draw's numbers reach, already found.
  BaremeClubs(const TTirage& tirage, const Atteignables& atteignables);

  // The points of `resultat`, none when the player found nothing. A result
  // the numbers cannot give is worth nothing.
  int Points(std::optional<longint> resultat) const;

  bool CibleAtteignable() const { return !ecartsProches_.empty() && ecartsProches_.front() == 0; }
  // The distinct distances from the target at which a number is reachable,
  // the five nearest, nearest first. Of the numbers from 16384 on, only the
  // smallest reachable is known, and counted.
  const std::vector<longint>& EcartsProches() const { return ecartsProches_; }

  // The ordinary scale alone, for a result `ecart` away from the target.
  static int PointsOrdinaires(longint ecart);

 private:
  longint cible_;
  std::vector<longint> ecartsProches_;
  // Every reachable number close enough to the target to score, ascending.
  std::vector<longint> atteintsQuiComptent_;
};

}  // namespace tolvan
