// The solutions panel: which stored solution to show (the simplest, the
// most twisted, the player's own, or the next one through the filters) and
// the lines that show it. The window only writes these lines in its memo.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Solveur.h"

namespace tolvan {

using LignesPanneau = std::vector<std::string>;

// Shown alone while the table is being computed.
inline const std::string TexteCalculs = "Calculs ...";

// The filters of the walk through the table; 0 lets every solution through.
struct FiltresSolutions {
  word etapes = 0;  // the number of steps a solution must have
  word oper = 0;    // the operation code its last step must have
};
bool PasseFiltres(const TSolution& solution, const FiltresSolutions& filtres);

// The next (or previous) solution after the one shown that passes the
// filters, going round the table; it becomes the one shown. The walk only
// browses what the table holds: it never computes it.
LignesPanneau SolutionSuivante(Solveur& solveur, const FiltresSolutions& filtres, bool enAvant);

// The simplest and the most twisted solution, the table computed first if
// it is not the current draw's. `impossible` heads them when the target is
// out of reach and they reach the nearest number instead.
LignesPanneau LaPlusSimple(Solveur& solveur, const std::string& impossible);
LignesPanneau LaPlusTordue(Solveur& solveur, const std::string& impossible);

// The player's own solution among the stored ones: the `nbLignes` finished
// lines of the board of a won game.
LignesPanneau LaMienne(Solveur& solveur, const Base1Array<TLigne, NbLignes>& lignes, int nbLignes, bool gagnee);

}  // namespace tolvan
