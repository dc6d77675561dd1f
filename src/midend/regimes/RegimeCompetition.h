// Competition mode at rest, between two series of a level: no draw of the
// player's own, nothing to deal until "Commencer une partie" starts a
// series (RegimeSerie.h), the level's help rule already in force.
#pragma once

#include "Regime.h"
#include "competition/Serie.h"

namespace tolvan {

// The help a level's games allow: the hints band only, when the level does.
Permissions PermisDuNiveau(const Serie& serie);

class RegimeCompetition : public Regime {
 public:
  explicit RegimeCompetition(const Serie& serie) : serie_(serie) {}

  void Suivante(Table&) override {}
  bool TirageSuivantPret() const override { return false; }
  // The level's clock comes with the series' first draw.
  std::optional<Cadence> CadenceDesParties(const Options&) const override { return std::nullopt; }
  Permissions Permis() const override { return PermisDuNiveau(serie_); }
  Conclusion Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) override;

 private:
  const Serie& serie_;
};

}  // namespace tolvan
