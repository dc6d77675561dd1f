// Club play by a code: the code's draws one after another, each under the
// code's clock with no help at all, scored on the clubs' scale from the
// best line the player finished; at the end, the score sheet under the
// player's name, to print and to send to the club.
#pragma once

#include <optional>
#include <vector>

#include "Regime.h"
#include "competition/CodeSerie.h"
#include "competition/FeuilleDeMarque.h"
#include "competition/TiragesDuCode.h"

namespace tolvan {

class RegimeCode : public Regime {
 public:
  // The code's key is worked out here (a few milliseconds a draw), before
  // the first draw is dealt.
  explicit RegimeCode(const CodeSerie& code);

  const CodeSerie& Code() const { return code_; }

  void Commence(Table& table) override { Suivante(table); }
  void Suivante(Table& table) override;
  // The draw dealt has been scored and another is left.
  bool TirageSuivantPret() const override;
  bool EnCours() const override { return notes_.size() < corriges_.size(); }
  QString QuestionAbandon(const TextesMessages& textes) const override { return textes.MsgCodeAbandonner; }
  std::optional<Cadence> CadenceDesParties(const Options&) const override;
  // Every player of the club plays the draws alone, with nothing but the board.
  Permissions Permis() const override { return Permissions::LeTableauSeul(); }
  Conclusion Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) override;
  std::optional<Feuille> Termine(Table& table) override;
  // After a draw: where the series stands, the player's result, its points
  // and the total so far; once given up, the summary says so in its title.
  void CompleteBilan(Bilan& bilan, const TextesMessages& textes) const override;
  QString TitreDuTirage(const TextesMessages& textes) const override {
    return donnes_ == 0 ? QString() : textes.MsgTirageSur.arg(donnes_).arg(corriges_.size());
  }
  bool Arrete() override {
    abandonne_ = true;
    return true;
  }

 private:
  // The draws scored so far, under the player's name.
  FeuilleDeMarque Marque(const QString& joueur) const;

  CodeSerie code_;
  std::vector<Corrige> corriges_;              // the key of each draw, in order
  std::vector<std::optional<longint>> notes_;  // the player's result of each draw scored
  std::vector<int> points_;
  int donnes_ = 0;
  bool abandonne_ = false;
};

class Services;

// "3 tirages de 40 s", "1 tirage de 20 s, réalisables uniquement".
QString DescriptionDuCode(const CodeSerie& code, const TextesMessages& textes);
// The score sheet as shown and printed: the code, the player, a row per
// draw with the best the key found, the total.
Feuille FeuilleDuCode(const FeuilleDeMarque& marque, const TextesMessages& textes);

// What the code's dialog offers before a series starts. "Nouveau code": a
// fresh code of ten draws of 40 s, from the desktop's random numbers;
// "Copier le code": the code typed, written as a code is written, goes to
// the clipboard, which keeps what it held when the text is no code (the
// player is told why). The code copied, if it was.
QString NouveauCode(Services& services);
std::optional<QString> CopieCode(Services& services, const QString& code, const TextesMessages& textes);
// `message` ("Ce code ne peut pas être joué : %1") with why the code was refused.
void RefuseCode(Services& services, const QString& message, const RefusCode& refus, const TextesMessages& textes);

}  // namespace tolvan
