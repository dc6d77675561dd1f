// Club play by a code: the code's draws one after another, each under the
// code's clock with no help at all, scored on the clubs' scale from the
// best line the player finished; at the end, the score sheet under the
// player's name, to print and to send to the club.
#pragma once

#include <optional>
#include <vector>

#include "Regime.h"
#include "competition/CodeSerie.h"
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
  // After a draw: where the series stands, the player's result, its points.
  void CompleteBilan(Bilan& bilan, const TextesMessages& textes) const override;

 private:
  CodeSerie code_;
  std::vector<Corrige> corriges_;              // the key of each draw, in order
  std::vector<std::optional<longint>> notes_;  // the player's result of each draw scored
  std::vector<int> points_;
  int donnes_ = 0;
};

class FeuilleDeMarque;
class Services;

// The sheet's lines as it is shown and printed.
QStringList LignesDeLaFeuille(const FeuilleDeMarque& feuille, const TextesMessages& textes);

// What the code's dialog offers before a series starts. "Nouveau code": a
// fresh code of ten draws of 40 s, from the desktop's random numbers;
// "Copier le code": the code as typed goes to the clipboard.
QString NouveauCode(Services& services);
void CopieCode(Services& services, const QString& code);

}  // namespace tolvan
