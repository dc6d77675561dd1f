// "À ma mesure": draws dealt so that the player, as the rating sees them
// now, finds them about three times in four at the clock chosen (one time
// in two for the first ten rated games, while the rating settles): where a
// player learns the most and stays in the game. Each game counts for the
// rating like a training game; the way goes on until stopped.
#pragma once

#include "RegimeMesure.h"

namespace tolvan {

class RegimeAMaMesure : public RegimeMesure {
 public:
  using RegimeMesure::RegimeMesure;

  void Suivante(Table& table) override;
  bool TirageSuivantPret() const override { return true; }
  // Under way until stopped; nothing at stake.
  bool EnCours() const override { return true; }
  QString QuestionAbandon(const TextesMessages&) const override { return {}; }
  Conclusion Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) override;
};

}  // namespace tolvan
