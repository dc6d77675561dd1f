#include "RegimeEntrainement.h"

namespace tolvan {

std::optional<Cadence> RegimeEntrainement::CadenceDesParties(const Options& options) const {
  // No entry chosen (a stored choice out of the list): the limit stays.
  if (options.temps < 0) return std::nullopt;
  return CadenceDuChoix(options.temps);
}

Conclusion RegimeEntrainement::Conclut(Table&, const FinDePartie& fin, PartieJouee& partie) {
  partie.mode = ModePartie::Entrainement;
  if (!fin.trouve) return {};
  return {Manche::LigneEntrainement(fin.secondes), Suite::Aucune};
}

}  // namespace tolvan
