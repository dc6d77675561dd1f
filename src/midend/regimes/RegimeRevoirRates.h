// "Revoir mes ratés": the draws the player missed, dealt again one day,
// three days and seven days after the first miss, as memory trainers space
// their reviews; the draws due today, the longest due first. Each game
// counts like a training game; the way ends with the last draw due.
#pragma once

#include <vector>

#include <QDate>

#include "RegimeMesure.h"

namespace tolvan {

// The days after the first miss at which a draw comes back.
inline constexpr std::array<int, 3> JoursDeRevision = {1, 3, 7};

// The draws of `parties` (any order) due for a review on `aujourdhui`: each
// draw missed (a target within reach, not a duel's go), whose next review
// (one day, three, seven after its first miss, a review being any day it
// was played since) has come; the longest due first.
std::vector<TTirage> RatesARevoir(const std::vector<PartieJouee>& parties, QDate aujourdhui);

class RegimeRevoirRates : public RegimeMesure {
 public:
  RegimeRevoirRates(const MaCote& cote, std::vector<TTirage> aRevoir)
      : RegimeMesure(cote), aRevoir_(std::move(aRevoir)) {}

  void Suivante(Table& table) override;
  bool TirageSuivantPret() const override { return donnes_ < aRevoir_.size(); }
  // Under way while draws are due; nothing at stake.
  bool EnCours() const override { return donnes_ < aRevoir_.size(); }
  QString QuestionAbandon(const TextesMessages&) const override { return {}; }
  Conclusion Conclut(Table& table, const FinDePartie& fin, PartieJouee& partie) override;
  // Where the reviews of the day stand.
  void CompleteBilan(Bilan& bilan, const TextesMessages& textes) const override;

 private:
  std::vector<TTirage> aRevoir_;
  std::size_t donnes_ = 0;
};

}  // namespace tolvan
