// tolvan-solve's commands for "Ma cote": the chance that a player of a
// given strength finds a draw in time, a player's rating from their games,
// and a draw at the measure of a rating.
#pragma once

#include <iosfwd>
#include <vector>

#include "solve/LigneDeCommande.h"

namespace tolvan::solve {

inline constexpr const char* UsageCote =
    "        tolvan-solve --chance FORCE [--temps S] [--json] N1 N2 N3 N4 N5 N6 RESULTAT\n"
    "        tolvan-solve --cote [--json] < PARTIES   (une partie par ligne :"
    " N1 N2 N3 N4 N5 N6 RESULTAT TEMPS TROUVE SECONDES)\n"
    "        tolvan-solve --a-ma-mesure COTE [--temps S] [--graine N] [--json]";

// --chance, --cote (its games read from `entree`) and --a-ma-mesure: each
// exits with 0, or 2 for bad arguments or, with --cote, a line of `entree`
// that cannot be read.
std::vector<ModeCommande> ModesCote(std::istream& entree);

}  // namespace tolvan::solve
