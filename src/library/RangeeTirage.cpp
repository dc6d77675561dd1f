#include "RangeeTirage.h"

#include <stdexcept>

namespace tolvan {

RangeeTirage RangeeDuTirage(const TTirage& tirage, word nbSolutions, word nbEtapesMin, const std::string& texteSimple) {
  RangeeTirage rangee;
  rangee.cellules[CelluleResultat] = QString::number(tirage.Resultat);
  for (int i = 1; i <= NbNombres; ++i) rangee.cellules[static_cast<std::size_t>(i)] = QString::number(tirage.Nombres[i]);
  rangee.cellules[CelluleNbSol] = QString::number(nbSolutions);
  rangee.cellules[CelluleEtape] = QString::number(nbEtapesMin);
  rangee.cellules[CelluleTrouve] = PasTrouve;
  rangee.cellules[CelluleSolution] = QString::fromStdString(texteSimple);
  return rangee;
}

namespace {

longint Entier(const QString& texte) {
  bool ok = false;
  const int valeur = texte.toInt(&ok);
  if (!ok) throw std::invalid_argument("'" + texte.toStdString() + "' is not a whole number");
  return valeur;
}

}  // namespace

TTirage TirageDeRangee(const RangeeTirage& rangee) {
  TTirage tirage;
  tirage.Resultat = Entier(rangee.cellules[CelluleResultat]);
  for (int i = 1; i <= NbNombres; ++i) tirage.Nombres[i] = Entier(rangee.cellules[static_cast<std::size_t>(i)]);
  return tirage;
}

QString LigneTirage(const RangeeTirage& rangee) {
  QString ligne;
  for (const QString& cellule : rangee.cellules) ligne += cellule + QLatin1Char('\t');
  return ligne;
}

}  // namespace tolvan
