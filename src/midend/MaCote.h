// "Ma cote" as the game keeps it: the player's rating (game/Cote.h) learnt
// from the history at the start, then from each game that counts as it
// ends, with what a chart and a table of "Mes parties" show of it: the
// rating after each such game, and the chances it predicted against what
// the player did.
//
// A game counts when it is the player's own, under a clock that runs out,
// without help: no hint, no solution seen, not played again, not a friend's
// go in a duel. A clock that counts up has no game missed (a game given up
// is recorded nowhere), so its games would only ever raise the rating.
#pragma once

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include <QDateTime>
#include <QString>

#include "PartieJouee.h"
#include "TextesMessages.h"
#include "engine/Solveur.h"
#include "game/Cote.h"

namespace tolvan {

// The rating after a game that counted.
struct PointDeCote {
  QDateTime fin;
  double cote = 0;
  double ecart = 0;
};

// The games whose predicted chance fell within one tenth (0-10 %, ...),
// and how many of them the player found.
struct CaseDeCalibration {
  int parties = 0;
  int trouvees = 0;
};

// Past this many games that counted, "Ma cote dit vrai ?" has enough to say.
inline constexpr int PartiesPourLaCalibration = 50;

class MaCote {
 public:
  // The rating learnt again from `parties`, oldest first. Games recorded
  // before the rating (`notee` unknown) are judged by the rule above as far
  // as they tell it; a draw whose efforts are not on file is searched on
  // `solveur`, and its efforts written into its game for the history to keep.
  void Reconstruit(std::vector<PartieJouee>& parties, Solveur& solveur);
  // A game that ends: whether it counts and, when it does, the rating
  // before it and its predicted chance, into `partie`; the rating learns.
  void Note(PartieJouee& partie);

  const Cote& cote() const { return cote_; }
  int Parties() const { return cote_.Parties(); }
  const std::vector<PointDeCote>& Evolution() const { return evolution_; }
  const std::array<CaseDeCalibration, 10>& Calibration() const { return calibration_; }

 private:
  void Apprend(const PartieJouee& partie, double horloge);

  Cote cote_;
  std::vector<PointDeCote> evolution_;
  std::array<CaseDeCalibration, 10> calibration_{};
};

// The clock a game is rated under: its own, or for a game recorded before
// the clock was kept, the clock it ran out of when it was missed, and when
// it was found, the shortest clock of "Temps :" that holds its time (40 s,
// the opponent's, at least); none when it cannot be told.
std::optional<double> HorlogeDeLaPartie(const PartieJouee& partie);
// Whether a game counts for the rating, by the rule above.
bool CompteePourLaCote(const PartieJouee& partie);

// "Ma cote : 3,4 ± 0,3 (entre Joueur de club et Expert)", or before any
// game that counted, what to do to get one.
QString TexteDeLaCote(const MaCote& cote, const TextesMessages& textes);
// "74 %".
QString TextePourcentage(double part);

}  // namespace tolvan
