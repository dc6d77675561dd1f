// What sets one player's strength apart from another's, for the computer
// opponent and for the player's own rating alike. The opponent has five
// named strengths; a player's rating is any strength from 1.0 to 5.0, read
// with the same model, so each parameter runs smoothly from one named
// profile to the next.
#pragma once

#include <string>
#include <string_view>

namespace tolvan {

inline constexpr int ForceMin = 1;
inline constexpr int ForceMax = 5;

// The parameters of a strength (the README gives the values and how they
// were calibrated).
struct ProfilAdversaire {
  std::string_view nom;      // the named strengths only
  double portee;             // the hardest solution it sees at the usual pace (effort)
  double secondesUneLigne;   // median time to see one easy line
  double dispersion;         // sigma of the log-normal spread of its times
  double distraction;        // chance of missing the target in a draw
  double plafond;            // on a draw it sees through, it never takes longer than this to see a solution
  double partPlafonnee;      // the share of draws it sees through so (the champion: all)
};

// Each extra unit of effort multiplies the median time by this...
inline constexpr double FacteurParEffort = 2.2;
// ... and by this as well beyond the reach: past it a solution is soon as
// good as out of sight, yet the chance runs smoothly as a strength's reach
// moves over a draw's efforts.
inline constexpr double FacteurAuDelaDeLaPortee = 8.0;


// The profile of strength 1 ("Débutant") to 5 ("Champion").
const ProfilAdversaire& ProfilDeForce(int force);

// The profile of any strength from ForceMin to ForceMax (clamped), between
// the two named ones around it: the median time runs geometrically, the
// reach, the spread, the lapse and the share of draws seen through
// linearly; the cap is the stronger's. A whole strength gives its named
// profile.
ProfilAdversaire ProfilContinu(double force);

// How a strength reads in words: the name of a whole strength (within a
// twentieth), otherwise "entre Joueur de club et Expert".
std::string EntreProfils(double force);

}  // namespace tolvan
