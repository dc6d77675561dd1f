// The draws of a generated series: standard draws, their numbers in
// ascending order, each solved completely on a solver of their own so that
// the game being played is never disturbed.
#pragma once

#include "RangeeTirage.h"
#include "engine/Solveur.h"
#include "game/Tirages.h"

namespace tolvan {

// Makes one draw in `travail` (six different slots of the pool, sorted, a
// target from 101 to 999), solves it in series mode (no nearest number
// when it is out of reach) and returns its row.
RangeeTirage TirageDeSerie(Solveur& travail, const Hasard& hasard);

}  // namespace tolvan
