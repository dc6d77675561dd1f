#include "RegimeCompetition.h"

namespace tolvan {

Permissions PermisDuNiveau(const Serie& serie) {
  Permissions permis = Permissions::LeTableauSeul();
  permis.aides = !serie.AideInterdite();
  return permis;
}

Conclusion RegimeCompetition::Conclut(Table&, const FinDePartie& fin, PartieJouee& partie) {
  // Between two series a draw found earns nothing: it counts as in training.
  partie.mode = ModePartie::Competition;
  if (!fin.trouve) return {};
  return {Manche::LigneEntrainement(fin.secondes), Suite::Aucune};
}

}  // namespace tolvan
