#include "RegimeDuJour.h"

#include "game/DureesTemps.h"
#include "midend/Journal.h"

namespace tolvan {

void RegimeDuJour::Commence(Table& table) {
  journal_.DonneTirageDuJour(table.solveurDuTirage());
  table.Joue();
  table.NoteTirageJoue();
}

std::optional<Cadence> RegimeDuJour::CadenceDesParties(const Options&) const {
  return Cadence{DureesTemps[0], GenreHorloge::Chrono};
}

Conclusion RegimeDuJour::Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) {
  const Conclusion conclusion = RegimeEntrainement::Conclut(table, fin, partie);
  partie.mode = ModePartie::Jour;
  return conclusion;
}

}  // namespace tolvan
