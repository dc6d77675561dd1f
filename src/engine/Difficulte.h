// The difficulty mark of a draw, from 1 to 5, from what an exhaustive
// search knows of it: 5 when the target cannot be reached exactly; 1 when
// one operation on two of the numbers makes it; otherwise the more lines
// the shortest solution needs and the fewer distinct solutions there are,
// the higher the mark.
#pragma once

#include "Solveur.h"

namespace tolvan {

inline constexpr int DifficulteMax = 5;

// How rare the solutions are: 0 for 20 or more distinct solutions, 1 for 5
// to 19, 2 for 2 to 4, 3 for a single one.
int RareteDesSolutions(int nbSolutions);

// The mark of a draw of `nbEtapesMin` lines at the fewest and `nbSolutions`
// distinct solutions; `exact` is false when the target is out of reach.
// Points are 2 per line beyond the first plus the rarity; the marks 2 to 4
// start at 3, 5 and 8 points (see the README for how they were chosen).
int MarqueDifficulte(bool exact, int nbEtapesMin, int nbSolutions);

// The mark of the draw a solver has searched.
int MarqueDifficulte(const Solveur& cherche);

}  // namespace tolvan
