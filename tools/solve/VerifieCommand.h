// tolvan-solve --verifie: a calculation checked against a draw, as an
// arbiter checks one written on paper, by the reader the game's field uses.
#pragma once

#include "solve/LigneDeCommande.h"

namespace tolvan::solve {

inline constexpr const char* UsageVerifie =
    "        tolvan-solve --verifie [--json] N1 N2 N3 N4 N5 N6 CIBLE \"CALCUL\"";

// `--verifie [--json] N1 ... N6 CIBLE CALCUL`: the calculation read with all
// six numbers in play; when valid, its value, its lines as the solver
// writes them and its points on the clubs' scale; when refused, why. Exits
// with 0 valid, 1 refused, 2 for bad arguments (not six numbers and a
// target, no calculation).
ModeCommande ModeVerifie();

}  // namespace tolvan::solve
