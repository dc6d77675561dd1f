#include "GenerationSerie.h"

namespace tolvan {

RangeeTirage TirageDeSerie(Solveur& travail, const Hasard& hasard) {
  TTirage& tirage = travail.Tirage;
  TireSixNombres(tirage, hasard);
  TireCible(tirage, hasard);
  travail.ChercheEnSerie();
  return RangeeDuTirage(tirage, travail.NbSolutions, travail.NbEtapesMin, travail.TexteSimple);
}

}  // namespace tolvan
