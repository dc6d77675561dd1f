// "Ma cote": how strong the player is, on the computer opponent's scale
// (1.0 "Débutant" to 5.0 "Champion"), learnt from the player's own rated
// games. Tolvan knows each draw exactly and already models how a player of
// a given strength finds solutions (LoiDuRegard): read the other way round,
// each game found in some time, or not found, says which strengths make
// that likely. The rating keeps a belief over strengths on a fine grid,
// updated one game at a time; games far apart in time let it widen a little
// first, so that a player's progress shows.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "ProfilsJoueur.h"
#include "ResumeEfforts.h"
#include "TirageDuJour.h"

namespace tolvan {

// One rated game as the rating reads it.
struct PartieNotee {
  ResumeEfforts resume;          // the draw's solutions, by effort
  double secondesDonnees = 40;   // the clock
  bool trouvee = false;          // the target found exactly in time
  double secondes = 0;           // when, if found
  std::optional<Date> date;      // none: the same day as the game before
};

class Cote {
 public:
  // The strengths the belief is kept on: 1.0, 1.05 ... 5.0.
  static constexpr int NombreDeForces = 81;
  static constexpr double PasDeForce = 0.05;
  // How much the belief widens per day between two games: its variance
  // grows by this (a month apart, about 0.25 on the standard deviation).
  static constexpr double VarianceParJour = 0.002;
  // A game the model finds very unlikely still leaves this chance that it
  // just happened (a slip, a guess, the dog on the keyboard), so that one
  // game never rules a strength out.
  static constexpr double ChanceDeLImprevu = 0.002;

  // No game yet: every strength alike.
  Cote();
  static Cote De(std::span<const PartieNotee> parties);

  void Ajoute(const PartieNotee& partie);

  double Moyenne() const;
  // The standard deviation of the belief: the "±".
  double Ecart() const;
  int Parties() const { return parties_; }

  // The chance of finding the draw of `resume` within `secondes`, over the
  // whole belief: what the rating predicts.
  double ChancePredite(const ResumeEfforts& resume, double secondes) const;

  static double Force(int indice) { return 1.0 + indice * PasDeForce; }
  // The belief, strength by strength (summing to 1).
  const std::array<double, NombreDeForces>& Croyance() const { return croyance_; }

 private:
  void Oublie(double jours);

  std::array<double, NombreDeForces> croyance_{};
  int parties_ = 0;
  std::optional<Date> dernierJour_;
};

// How likely a game is at a strength of profile `profil`: not found, or
// found within the stretch of the clock its time falls in (the first
// eighth, the second, the second quarter, the second half), so that a
// quick find counts for more, without leaning on the tenth of a second.
double VraisemblanceDeLaPartie(const PartieNotee& partie, const ProfilAdversaire& profil);

}  // namespace tolvan
