// The draws list of the "Tirages" page. It owns the rows and is the only
// way to change them; as a table model it is also what the list view shows.
#pragma once

#include <vector>

#include <QAbstractTableModel>
#include <QList>

#include "RangeeTirage.h"

namespace tolvan {

class ListeTirages : public QAbstractTableModel {
 public:
  explicit ListeTirages(QObject* parent = nullptr);

  // Row indexes are 16-bit words in draws files' world: no more rows fit.
  static constexpr int NbLignesMax = 65535;

  int NbLignes() const { return static_cast<int>(entrees_.size()); }
  bool EstPleine() const { return NbLignes() >= NbLignesMax; }
  const RangeeTirage& Rangee(int ligne) const;
  std::vector<RangeeTirage> Rangees() const;
  // Appends a row and returns its index: the end of the list, or its
  // sorted place while the list is kept sorted; -1 when the list is full.
  // A row played or generated is new; one read from a file is as saved.
  int Ajoute(RangeeTirage rangee);
  int AjouteLue(RangeeTirage rangee);
  // The solver's findings for the draw of a row; its found mark stays.
  void EcritSolution(int ligne, word nbSolutions, word nbEtapesMin, const std::string& texteSimple);

  // Some row was added or changed since the list was last saved whole or
  // since its file was read: losing the list would lose it.
  bool ChangeeDepuisSauvegarde() const;
  // The whole list was just saved.
  void MarqueSauvee();
  void CocheLigne(int ligne);
  bool EstCochee(int ligne) const;

  // The row of the draw being played. The row itself is followed, so that
  // deleting or sorting rows never sends a later "OUI" to another row.
  void DefinitLigneCourante(int ligne);
  // Where that row is now; -1 once it is gone.
  int LigneCourante() const;
  // "OUI" in the current draw's row, when that row still exists.
  void MarqueTrouve();

  // Deletes these rows; the others keep their order.
  void Efface(QList<int> lignes);
  void EffaceTout();

  // While on, rows are in ascending order of their target compared as text
  // ("1000" before "101" before "999"), and appended rows take their place.
  void Classe(bool actif);
  bool EstClassee() const { return classee_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& valeur, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  struct Entree {
    RangeeTirage rangee;
    quint64 identite;
    bool changee;  // not as the last file saved or read holds it
  };
  int Insere(RangeeTirage rangee, bool changee);
  int IndexDe(quint64 identite) const;
  void MontreCellule(int ligne, int colonne, int role);

  std::vector<Entree> entrees_;
  quint64 prochaineIdentite_ = 1;
  quint64 identiteCourante_ = 0;
  bool classee_ = false;
};

}  // namespace tolvan
