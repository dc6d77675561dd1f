// A level's series: the level's draws only, dealt at random from its rows,
// each under the time its coefficient allows, no help but the hints band
// when the level allows it, points for each draw found; the first draw not
// found in time ends the series, and its total goes among the level's
// records under the player's name.
#pragma once

#include "Regime.h"

namespace tolvan {

class Bibliotheque;
class Competition;

class RegimeSerie : public Regime {
 public:
  RegimeSerie(Competition& competition, Bibliotheque& liste) : competition_(competition), liste_(liste) {}

  void Commence(Table& table) override;
  void Suivante(Table& table) override;
  bool TirageSuivantPret() const override;
  bool EnCours() const override;
  // Stopped by its button, the draw on the board plays on: found, it counts
  // as in training; not found in time, the series ends as usual.
  bool Arrete() override;
  std::optional<Cadence> CadenceDesParties(const Options&) const override;
  Permissions Permis() const override;
  Conclusion Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) override;
  std::optional<Feuille> Termine(Table& table) override;

 private:
  // A row of the level's draws, at random, each time anew.
  void DonneLigne(Table& table);

  Competition& competition_;
  Bibliotheque& liste_;
};

}  // namespace tolvan
