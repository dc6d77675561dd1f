// Training: the player's own draws under the clock of "Temps :", every
// help open, nothing scored but the time.
#pragma once

#include "Regime.h"

namespace tolvan {

class RegimeEntrainement : public Regime {
 public:
  void Suivante(Table& table) override { table.JoueTirageDuJoueur(); }
  bool TirageSuivantPret() const override { return true; }
  std::optional<Cadence> CadenceDesParties(const Options& options) const override;
  Permissions Permis() const override { return {}; }
  Conclusion Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) override;
};

}  // namespace tolvan
