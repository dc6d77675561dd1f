// The draw of the day: the same draw for every player, dealt from the date,
// played like a training game with the clock counting up, each attempt
// timed from its own start, as the line the player shares tells it. It is
// one game: the player's next draw of their own is a training game again.
#pragma once

#include "RegimeEntrainement.h"

namespace tolvan {

class Journal;

class RegimeDuJour : public RegimeEntrainement {
 public:
  explicit RegimeDuJour(Journal& journal) : journal_(journal) {}

  void Commence(Table& table) override;
  bool UnePartie() const override { return true; }
  std::optional<Cadence> CadenceDesParties(const Options&) const override;
  bool RejoueDepuisZero() const override { return true; }
  Conclusion Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) override;

 private:
  Journal& journal_;
};

}  // namespace tolvan
