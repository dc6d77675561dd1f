// "Série montante": draws ever harder for the player, as the rating sees
// them (the first found nine times in ten, each next one a tenth less
// likely), until the first one missed. With the board alone, so that a run
// is the player's own; the longest run is kept from one time to the next.
#pragma once

#include "RegimeMesure.h"

namespace tolvan {

class Services;

class RegimeSerieMontante : public RegimeMesure {
 public:
  // The longest run so far is read from, and kept in, `services`' settings store.
  RegimeSerieMontante(const MaCote& cote, Services& services);

  void Suivante(Table& table) override;
  bool TirageSuivantPret() const override { return !finie_; }
  bool EnCours() const override { return !finie_; }
  QString QuestionAbandon(const TextesMessages& textes) const override { return textes.MsgAbandonnerSerieMontante; }
  Permissions Permis() const override { return Permissions::LeTableauSeul(); }
  Conclusion Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) override;
  std::optional<Feuille> Termine(Table& table) override;
  // The run so far, and the longest.
  void CompleteBilan(Bilan& bilan, const TextesMessages& textes) const override;

 private:
  void GardeLaMeilleure();

  Services& services_;
  int trouves_ = 0;  // draws found in this run
  int meilleure_ = 0;
  bool finie_ = false;
};

}  // namespace tolvan
