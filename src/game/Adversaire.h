// The computer opponent of a duel: a model of how a person of a given
// strength solves a draw, built on the exhaustive search. Each solution has
// an effort (EffortSolution); a strength sees the solutions up to its reach,
// and finds each seen one after a time that grows with its effort and
// spreads log-normally, as people's times do; the first one found is its
// answer. A small chance of a lapse makes it miss the target altogether.
// When it has not found the target in the time given, it announces the
// nearest number it found. Its lines are always the solver's, so always
// right. The answer depends only on the draw, the strength and the seed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SolutionsVoisines.h"

namespace tolvan {

inline constexpr int ForceMin = 1;
inline constexpr int ForceMax = 5;
inline constexpr double SecondesDuelParDefaut = 40;

// What sets a strength apart (the README gives the values and how they were
// calibrated).
struct ProfilAdversaire {
  std::string_view nom;
  double portee;             // the hardest solution it can see (effort)
  double secondesUneLigne;   // median time to see one easy line
  double dispersion;         // sigma of the log-normal spread of its times
  double distraction;        // chance of missing the target in a draw
  double plafond;            // it never takes longer than this to see a solution
};

// Each extra unit of effort multiplies the median time by this.
inline constexpr double FacteurParEffort = 2.2;
// Beyond the draw's own search, how many of the numbers nearest the target
// it looks at with every solution the solver finds for them (searched only
// when nearer than what it has); past them it only sees the draw's simple
// chains (SolutionsVoisines::EnchainementsSimples). This bounds its work
// whatever the draw.
inline constexpr int NombresVoisinsRegardes = 4;

// The profile of strength 1 ("Débutant") to 5 ("Champion").
const ProfilAdversaire& ProfilDeForce(int force);

struct ReponseAdversaire {
  longint annonce = 0;  // 0 when it found nothing in the time given
  bool exact = false;
  double secondes = 0;  // when it had it, in tenths of a second, at most the time given
  TSolution solution;   // its lines, as the solver gives them
  // Its lines as the game writes them ("75+25=100").
  std::vector<std::string> Lignes() const;
};

class Adversaire {
 public:
  // `force` from ForceMin to ForceMax.
  Adversaire(int force, std::uint64_t graine);

  int Force() const { return force_; }
  const ProfilAdversaire& Profil() const { return ProfilDeForce(force_); }

  // Its answer to the draw of `solutions` with `secondesDonnees` on the
  // clock. Searches at most NombresVoisinsRegardes other numbers.
  ReponseAdversaire Repond(SolutionsVoisines& solutions, double secondesDonnees) const;

 private:
  int force_;
  std::uint64_t graine_;
};

}  // namespace tolvan
