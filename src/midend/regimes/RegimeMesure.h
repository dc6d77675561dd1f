// What the ways to play at the player's measure share: the player's own
// games dealt by the way itself, under the clock of "Temps :" when it runs
// out (40 s, the clock the model was calibrated at, when it does not: a
// clock that counts up has no miss, and measures nothing), every help open
// to those who want it, and each draw dealt from a seed so that its
// predicted chance, for the player's rating now, lies in a band.
#pragma once

#include <optional>

#include "Regime.h"
#include "game/TirageAMaMesure.h"

namespace tolvan {

class MaCote;

class RegimeMesure : public Regime {
 public:
  explicit RegimeMesure(const MaCote& cote) : cote_(cote) {}

  void Commence(Table& table) override { Suivante(table); }
  std::optional<Cadence> CadenceDesParties(const Options& options) const override;
  // Every help, but the draws are the way's own.
  Permissions Permis() const override;
  // The draw on the board's predicted chance, as it was dealt.
  void CompleteBilan(Bilan& bilan, const TextesMessages& textes) const override;

 protected:
  // A standard draw whose predicted chance lies in `bande`, dealt and played.
  void DonneDansLaBande(Table& table, Bande bande);
  const MaCote& cote() const { return cote_; }

 private:
  const MaCote& cote_;
  std::optional<double> chance_;
};

}  // namespace tolvan
