// A game that ended, as the board, its clock and the help around it saw
// it: the common part of its row of the history (its way to play then adds
// its own), and its summary before its way to play completes it.
#pragma once

#include "Aides.h"
#include "Horloge.h"
#include "PartieJouee.h"
#include "TextesMessages.h"
#include "engine/Solveur.h"
#include "game/Manche.h"
#include "regimes/Regime.h"

namespace tolvan {

// The row of the game on `manche`, ended at `seconde` of a clock that stood
// at `depart` when it began; `cherche` holds its draw, searched.
PartieJouee RangeeDeLaPartie(const Manche& manche, const Aides& aides, const Horloge& horloge, const Solveur& cherche,
                             bool trouve, int seconde, int depart);

// The summary: its title, the draw and the lines played, the mark when
// `marque`, and the time a hidden clock kept.
Bilan BilanDeLaPartie(const Manche& manche, const Aides& aides, const Horloge& horloge, const TextesMessages& textes,
                      bool marque);

}  // namespace tolvan
