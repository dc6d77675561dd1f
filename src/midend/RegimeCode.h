// Club play by a code: the code's draws one after another, each under the
// code's clock with no help at all, scored on the clubs' scale from the
// best line the player finished, then the score sheet.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Regime.h"
#include "competition/CodeSerie.h"
#include "competition/FeuilleDeMarque.h"
#include "competition/TiragesDuCode.h"

namespace tolvan {

class RegimeCode : public Regime {
 public:
  // The series of `code` starts over; its key is worked out now (a few
  // milliseconds a draw), before the first draw is dealt.
  void Commence(const CodeSerie& code);
  // A series is under way: a draw is left to play or to score.
  bool EnCours() const { return code_ && notes_.size() < corriges_.size(); }
  const std::optional<CodeSerie>& Code() const { return code_; }
  // The next draw of the code, now dealt.
  const TTirage& DonneTirage();
  // The draws dealt so far, the one on the board included.
  int Donnes() const { return donnes_; }
  // The sheet of the series played, under the player's name; the series
  // ends with it.
  FeuilleDeMarque Feuille(const std::string& joueur);
  // The series is given up: no sheet, nothing more to deal.
  void Abandonne();

  // The draw scored last, for its summary, until another game starts.
  struct Note {
    int numero = 0;  // the draw's, from 1
    int tirages = 0;  // of the series
    std::optional<longint> resultat;
    int points = 0;
  };
  const std::optional<Note>& DerniereNote() const { return derniere_; }
  void OublieDerniereNote() { derniere_.reset(); }

  SourceTirage Source() const override { return SourceTirage::Code; }
  // The draw dealt has been scored and another is left.
  bool TirageSuivantPret() const override;
  std::optional<Cadence> CadenceDesParties(const Options& options) const override;
  Permissions Permis() const override;
  Gain Gagne(int seconde) override;
  int Expire(const Manche& manche) override;
  void RemplitLigne(PartieJouee& partie) const override;
  Suite ApresPartie(bool trouve) const override;

 private:
  // The draw on the board is scored with this result.
  int Marque(std::optional<longint> resultat);

  std::optional<CodeSerie> code_;
  std::vector<Corrige> corriges_;  // the key of each draw, in order
  std::vector<std::optional<longint>> notes_;  // the player's result of each draw scored
  std::vector<int> points_;
  int donnes_ = 0;
  std::optional<Note> derniere_;
};

}  // namespace tolvan
