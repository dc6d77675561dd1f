// The grid on which the arbiter types the paper sheets: a row a player, the
// name then each draw's result, and an empty row after them for the next.
// It shows the desk's sheets (midend/Arbitrage.h) and hands it each cell
// typed; the check of a number is said where the keyboard is, so that a
// screen reader hears it: the cell, once the typing is confirmed with
// Enter, names the number with its check, and the next cell's field, when
// Tab moves on, starts its name with it.
#pragma once

#include <QString>
#include <QTableWidget>

namespace tolvan {

class Arbitrage;
struct TextesMessages;

class GrilleSaisie : public QTableWidget {
 public:
  GrilleSaisie(Arbitrage& arbitrage, const TextesMessages& textes, QWidget* parent);

  // The sheets as the desk holds them now.
  void Redessine();
  // The check the desk said of the cell just typed.
  const QString& DerniereAnnonce() const { return annonce_; }

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  // A cell typed: the desk takes it, the grid shows what it holds now.
  void CelluleTapee(QTableWidgetItem* cellule);
  // What a screen reader calls a cell: whose, which draw, and its check.
  QString NomParle(int rangee, int colonne) const;
  // The name of a cell's field while it is typed in.
  QString NomDuChamp(int rangee, int colonne);
  void RedessineTitres();
  void RedessineCellule(int rangee, int colonne);

  Arbitrage& arbitrage_;
  const TextesMessages& textes_;
  QString annonce_;   // the last check said
  bool aDire_ = false;  // and the next cell's field is to say it
};

}  // namespace tolvan
