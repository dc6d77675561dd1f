// The duel as a way to play: its draws only, under the clock chosen for it,
// no help, each go scored on the clubs' scale and recorded in the history
// with the opponent it was played against.
#pragma once

#include <optional>

#include "Duel.h"
#include "Regime.h"

namespace tolvan {

class RegimeDuel : public Regime {
 public:
  explicit RegimeDuel(const TextesMessages& textes) : textes_(textes) {}

  void Commence(const ReglageDuel& reglage);
  const std::optional<Duel>& duel() const { return duel_; }
  Duel& duel() { return *duel_; }
  // A duel was started and is not over.
  bool EnCours() const { return duel_ && !duel_->Fini(); }

  SourceTirage Source() const override { return SourceTirage::Duel; }
  // The next go, the next draw, or after the last one a game of training.
  bool TirageSuivantPret() const override { return true; }
  std::optional<Cadence> CadenceDesParties(const Options&) const override;
  Permissions Permis() const override;
  Gain Gagne(int seconde) override;
  void Conclut(const FinDePartie& fin) override;
  void RemplitLigne(PartieJouee& partie) const override;
  Suite ApresPartie(bool) const override { return EnCours() ? Suite::TirageSuivant : Suite::Aucune; }

 private:
  const TextesMessages& textes_;
  std::optional<Duel> duel_;
  int dernierJoueur_ = 0;  // who played the last go
  int derniersPoints_ = 0;
};

}  // namespace tolvan
