// tolvan-solve's commands for club play: a fresh series code, the arbiter's
// key to a code, and the points of a result on the clubs' scale. Each exits
// with 0, or 2 for bad arguments, a malformed code or a wrong check
// character.
#pragma once

#include "solve/LigneDeCommande.h"

namespace tolvan::solve {

inline constexpr const char* UsageClub =
    "        tolvan-solve --nouveau-code [--tirages N] [--temps S] [--realisables]\n"
    "        tolvan-solve --code CODE [--json]\n"
    "        tolvan-solve --points [--json] N1 N2 N3 N4 N5 N6 CIBLE RESULTAT";

// --nouveau-code: a fresh random code for these many draws and seconds.
ModeCommande ModeNouveauCode();
// --code: the series of a code, each draw with its best result.
ModeCommande ModeCode();
// --points: a result's points on the clubs' scale.
ModeCommande ModePoints();

}  // namespace tolvan::solve
