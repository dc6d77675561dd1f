#include "GenerationSerie.h"

namespace tolvan {

RangeeTirage TirageDeSerie(Solveur& travail, const Hasard& hasard) {
  TTirage& tirage = travail.Tirage;
  TireSixNombres(tirage, hasard);
  TriParEchange(tirage.Nombres);
  TireCible(tirage, hasard);
  travail.ModeSerie = 1;
  TSolution proche;
  travail.Cherche(tirage.Nombres, tirage.Resultat, proche);
  travail.ModeSerie = 0;
  return RangeeDuTirage(tirage, travail.NbSolutions, travail.NbEtapesMin, travail.TexteSimple);
}

}  // namespace tolvan
