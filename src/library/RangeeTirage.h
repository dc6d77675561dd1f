// One row of the draws list: eleven text cells (the target, the six
// numbers, the solution count, the fewest steps, whether the player found
// it, the simplest solution) and a check box that only shows the row was
// played. Cells hold text as it was put there (UTF-8): a draws file may
// carry leading zeros, and they stay.
#pragma once

#include <array>
#include <string>

#include "engine/Records.h"

namespace tolvan {

inline constexpr int NbCellules = 11;
// Cells by column: the target, then the six numbers from 1 on.
inline constexpr int CelluleResultat = 0;
inline constexpr int CelluleNbSol = 7;
inline constexpr int CelluleEtape = 8;
inline constexpr int CelluleTrouve = 9;
inline constexpr int CelluleSolution = 10;

inline constexpr const char* Trouve = "OUI";
inline constexpr const char* PasTrouve = "NON";

struct RangeeTirage {
  std::array<std::string, NbCellules> cellules;
  bool cochee = false;
  friend bool operator==(const RangeeTirage&, const RangeeTirage&) = default;
};

// The row of a draw and what the solver knows of it; not yet found.
RangeeTirage RangeeDuTirage(const TTirage& tirage, word nbSolutions, word nbEtapesMin, const std::string& texteSimple);

// The draw of a row; throws std::invalid_argument when the target or one of
// the numbers is not a whole number.
TTirage TirageDeRangee(const RangeeTirage& rangee);

// What the solver found for the row's draw, in its three solution cells;
// the found mark stays.
void EcritSolution(RangeeTirage& rangee, word nbSolutions, word nbEtapesMin, const std::string& texteSimple);

// The row as one line of a draws file, without the line end: every cell
// followed by a TAB, the last one too. Printing and copying use it as well.
std::string LigneTirage(const RangeeTirage& rangee);

}  // namespace tolvan
