// The draws list of the "Tirages" page: one row of eleven text cells per
// draw (target, six numbers, solution count, fewest steps, found or not,
// simplest solution), with a check box on each row.
#pragma once

#include <QPersistentModelIndex>
#include <QStringList>

#include "engine/Solveur.h"

class QTreeWidget;

namespace tolvan {

inline constexpr int NbCellules = 11;
inline constexpr int CelluleTrouve = 9;  // "OUI" / "NON"

// The cells of the current draw and what the solver knows of it.
QStringList CellulesDuTirage(const Solveur& solveur);

// The draw of a row's cells; throws std::invalid_argument when the target
// or a number is not a whole number.
TTirage TirageDesCellules(const QStringList& cellules);

class ListeTirages {
 public:
  explicit ListeTirages(QTreeWidget* liste) : liste_(liste) {}

  int NbLignes() const;
  // Appends a row and returns its index.
  int Ajoute(const QStringList& cellules);
  QStringList Cellules(int ligne) const;
  void CocheLigne(int ligne);
  bool EstCochee(int ligne) const;

  // The row of the draw being played. The row itself is followed, so that
  // deleting or sorting rows never sends a later "OUI" to another row.
  int LigneCourante() const { return ligneCourante_; }
  void DefinitLigneCourante(int ligne);
  // "OUI" in the current draw's row, when that row still exists.
  void MarqueTrouve();

  void EffaceSelection();
  void EffaceTout();

 private:
  QTreeWidget* liste_;
  int ligneCourante_ = 0;
  QPersistentModelIndex rangeeCourante_;
};

}  // namespace tolvan
