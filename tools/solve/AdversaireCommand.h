// tolvan-solve --adversaire: the computer opponent's answer to one draw.
#pragma once

#include "solve/LigneDeCommande.h"

namespace tolvan::solve {

// `--adversaire FORCE [--graine N] [--temps S] [--json] N1 ... N6 RESULTAT`:
// the draw searched once, then answered at that strength with that seed and
// that many seconds (40 unless given), counted to the tenth as the duel's
// clock counts them. Its exit code is 0, or 2 for bad arguments (a
// strength outside 1..5, a time outside 0..3600 or finer than a tenth, a
// malformed seed, a bad draw).
ModeCommande ModeAdversaire();

}  // namespace tolvan::solve
