// The duel as a way to play: its own draws, standard and searched, each
// played by both players in turn under the clock chosen for it, no help;
// the computer's answer to a draw is drawn up at the deal, from a seed of
// its own; each go is scored on the clubs' scale and recorded in the
// history with the opponent it was played against. The duel's rules and
// summary are Duel.h's.
#pragma once

#include "Duel.h"
#include "Regime.h"

namespace tolvan {

class RegimeDuel : public Regime {
 public:
  explicit RegimeDuel(const ReglageDuel& reglage) : duel_(reglage) {}

  const Duel& duel() const { return duel_; }

  // The next go: a new draw, or the same draw for the second player.
  void Suivante(Table& table) override;
  bool TirageSuivantPret() const override { return !duel_.Fini(); }
  bool EnCours() const override { return !duel_.Fini(); }
  QString QuestionAbandon(const TextesMessages& textes) const override { return textes.MsgDuelAbandonner; }
  std::optional<Cadence> CadenceDesParties(const Options&) const override;
  // Both race on their own wits: no help, no solutions, no other draw.
  Permissions Permis() const override { return Permissions::LeTableauSeul(); }
  Conclusion Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) override;
  void CompleteBilan(Bilan& bilan, const TextesMessages& textes) const override;
  QString TitreDuTirage(const TextesMessages& textes) const override;
  // Its sheet: every draw with both goes, and how the duel came out.
  std::optional<Feuille> Termine(Table& table) override;
  // Two players on one computer: the second does not see the first's
  // lines, nor their time on the clock, before playing the same draw.
  bool TableauCache() const override { return !duel_.ContreOrdinateur() && duel_.EntreDeuxTours(); }

 private:
  // A new standard draw, searched, and the computer's answer to it.
  void DonneTirage(Table& table);

  Duel duel_;
};

}  // namespace tolvan
