// What a way to play leaves once its series is over: a sheet to read,
// print and copy. A score sheet is a table: a few lines saying what was
// played and by whom, a row per draw under the columns' titles, and the
// lines below it (the total, the winner). Shown and printed alike, its
// columns lined up in a fixed-width face; printed, it carries a heading
// and the day it was printed, as a sheet handed to a club.
#pragma once

#include <vector>

#include <QDate>
#include <QString>
#include <QStringList>

namespace tolvan {

struct Feuille {
  QString titre;                     // "Feuille de marque", also the printed document's name
  QStringList enTete;                // above the table
  QStringList colonnes;              // the columns' titles
  std::vector<QStringList> rangees;  // a row per draw, a cell per column
  QStringList pied;                  // below the table
  QString ligneACopier;              // what "Copier le résultat" copies; empty: nothing

  // The sheet as shown: its lines above, the table, its lines below.
  QStringList Lignes() const;
  // The sheet as printed: its title, the date written `date`, then as shown.
  QStringList LignesImprimees(const QString& date) const;
  // What a screen reader says as the sheet takes the keyboard: its title
  // and the lines around the table; the rows are read with the arrows.
  QString Resume() const;
};

}  // namespace tolvan
