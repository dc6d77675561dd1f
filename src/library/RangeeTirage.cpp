#include "RangeeTirage.h"

#include <stdexcept>

#include "engine/Entier.h"

namespace tolvan {

RangeeTirage RangeeDuTirage(const TTirage& tirage, word nbSolutions, word nbEtapesMin, const std::string& texteSimple) {
  RangeeTirage rangee;
  rangee.cellules[CelluleResultat] = std::to_string(tirage.Resultat);
  for (int i = 1; i <= NbNombres; ++i) rangee.cellules[static_cast<std::size_t>(i)] = std::to_string(tirage.Nombres[i]);
  rangee.cellules[CelluleTrouve] = PasTrouve;
  EcritSolution(rangee, nbSolutions, nbEtapesMin, texteSimple);
  return rangee;
}

void EcritSolution(RangeeTirage& rangee, word nbSolutions, word nbEtapesMin, const std::string& texteSimple) {
  rangee.cellules[CelluleNbSol] = std::to_string(nbSolutions);
  rangee.cellules[CelluleEtape] = std::to_string(nbEtapesMin);
  rangee.cellules[CelluleSolution] = texteSimple;
}

namespace {

longint Entier(const std::string& texte) {
  const std::optional<longint> valeur = LitEntier(texte);
  if (!valeur) throw std::invalid_argument("'" + texte + "' is not a whole number");
  return *valeur;
}

}  // namespace

TTirage TirageDeRangee(const RangeeTirage& rangee) {
  TTirage tirage;
  tirage.Resultat = Entier(rangee.cellules[CelluleResultat]);
  for (int i = 1; i <= NbNombres; ++i) tirage.Nombres[i] = Entier(rangee.cellules[static_cast<std::size_t>(i)]);
  return tirage;
}

std::string LigneTirage(const RangeeTirage& rangee) {
  std::string ligne;
  for (const std::string& cellule : rangee.cellules) ligne += cellule + '\t';
  return ligne;
}

}  // namespace tolvan
