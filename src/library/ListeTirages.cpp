#include "ListeTirages.h"

#include <stdexcept>

#include <QTreeWidget>

namespace tolvan {

QStringList CellulesDuTirage(const Solveur& solveur) {
  const TTirage& tirage = solveur.Tirage;
  QStringList cellules{QString::number(tirage.Resultat)};
  for (longint nombre : tirage.Nombres) cellules.append(QString::number(nombre));
  cellules << QString::number(solveur.NbSolutions) << QString::number(solveur.NbEtapesMin)
           << QStringLiteral("NON") << QString::fromStdString(solveur.TexteSimple);
  return cellules;
}

namespace {

longint Entier(const QString& texte) {
  bool ok = false;
  const int valeur = texte.toInt(&ok);
  if (!ok) throw std::invalid_argument("'" + texte.toStdString() + "' is not a whole number");
  return valeur;
}

}  // namespace

TTirage TirageDesCellules(const QStringList& cellules) {
  TTirage tirage;
  tirage.Resultat = Entier(cellules.value(0));
  for (int i = 1; i <= NbNombres; ++i) tirage.Nombres[i] = Entier(cellules.value(i));
  return tirage;
}

int ListeTirages::NbLignes() const { return liste_->topLevelItemCount(); }

int ListeTirages::Ajoute(const QStringList& cellules) {
  auto* rangee = new QTreeWidgetItem(cellules);
  rangee->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
  rangee->setCheckState(0, Qt::Unchecked);
  liste_->addTopLevelItem(rangee);
  return liste_->indexOfTopLevelItem(rangee);
}

QStringList ListeTirages::Cellules(int ligne) const {
  QStringList cellules;
  if (const QTreeWidgetItem* rangee = liste_->topLevelItem(ligne)) {
    for (int i = 0; i < NbCellules; ++i) cellules.append(rangee->text(i));
  }
  return cellules;
}

void ListeTirages::CocheLigne(int ligne) {
  if (QTreeWidgetItem* rangee = liste_->topLevelItem(ligne)) rangee->setCheckState(0, Qt::Checked);
}

bool ListeTirages::EstCochee(int ligne) const {
  const QTreeWidgetItem* rangee = liste_->topLevelItem(ligne);
  return rangee && rangee->checkState(0) == Qt::Checked;
}

void ListeTirages::DefinitLigneCourante(int ligne) {
  ligneCourante_ = ligne;
  rangeeCourante_ = QPersistentModelIndex(liste_->model()->index(ligne, 0));
}

void ListeTirages::MarqueTrouve() {
  if (!rangeeCourante_.isValid()) return;
  QTreeWidgetItem* rangee = liste_->topLevelItem(rangeeCourante_.row());
  if (rangee) rangee->setText(CelluleTrouve, QStringLiteral("OUI"));
}

void ListeTirages::EffaceSelection() {
  for (QTreeWidgetItem* rangee : liste_->selectedItems()) delete rangee;
}

void ListeTirages::EffaceTout() {
  liste_->hide();
  liste_->clear();
  liste_->show();
}

}  // namespace tolvan
