// One row of the draws list: eleven text cells (the target, the six
// numbers, the solution count, the fewest steps, whether the player found
// it, the simplest solution) and a check box that only shows the row was
// played. Cells hold text as it was put there: a draws file may carry
// leading zeros, and they stay.
#pragma once

#include <array>
#include <string>

#include <QString>

#include "engine/Records.h"

namespace tolvan {

inline constexpr int NbCellules = 11;
// Cells by column: the target, then the six numbers from 1 on.
inline constexpr int CelluleResultat = 0;
inline constexpr int CelluleNbSol = 7;
inline constexpr int CelluleEtape = 8;
inline constexpr int CelluleTrouve = 9;
inline constexpr int CelluleSolution = 10;

inline const QString Trouve = QStringLiteral("OUI");
inline const QString PasTrouve = QStringLiteral("NON");

struct RangeeTirage {
  std::array<QString, NbCellules> cellules;
  bool cochee = false;
  friend bool operator==(const RangeeTirage&, const RangeeTirage&) = default;
};

// The row of a draw and what the solver knows of it; not yet found.
RangeeTirage RangeeDuTirage(const TTirage& tirage, word nbSolutions, word nbEtapesMin, const std::string& texteSimple);

// The draw of a row; throws std::invalid_argument when the target or one of
// the numbers is not a whole number.
TTirage TirageDeRangee(const RangeeTirage& rangee);

// The row as one line of a draws file, without the line end: every cell
// followed by a TAB, the last one too. Printing and copying use it as well.
QString LigneTirage(const RangeeTirage& rangee);

}  // namespace tolvan
