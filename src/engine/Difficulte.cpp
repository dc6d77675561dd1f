#include "Difficulte.h"

namespace tolvan {

namespace {

// The points at which marks 2, 3 and 4 start.
constexpr int SeuilDeux = 3;
constexpr int SeuilTrois = 5;
constexpr int SeuilQuatre = 8;

}  // namespace

int RareteDesSolutions(int nbSolutions) {
  if (nbSolutions >= 20) return 0;
  if (nbSolutions >= 5) return 1;
  if (nbSolutions >= 2) return 2;
  return 3;
}

int MarqueDifficulte(bool exact, int nbEtapesMin, int nbSolutions) {
  if (!exact || nbSolutions <= 0) return DifficulteMax;
  if (nbEtapesMin <= 1) return 1;
  const int points = 2 * (nbEtapesMin - 1) + RareteDesSolutions(nbSolutions);
  if (points >= SeuilQuatre) return 4;
  if (points >= SeuilTrois) return 3;
  if (points >= SeuilDeux) return 2;
  return 1;
}

int MarqueDifficulte(const Solveur& cherche) {
  return MarqueDifficulte(!cherche.SolutionApprochee, cherche.NbEtapesMin, cherche.NbSolutions);
}

}  // namespace tolvan
