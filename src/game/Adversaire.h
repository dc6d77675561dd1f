// The computer opponent of a duel: a model of how a person of a given
// strength solves a draw, built on the exhaustive search. Each solution has
// an effort (EffortSolution); a strength sees each solution after a time
// that grows with its effort, steeply beyond its reach, and spreads
// log-normally, as people's times do (LoiDuRegard); the first one seen is
// its answer. A small chance of a lapse makes it miss the target
// altogether. When it has not found the target in the time given, it
// announces the nearest number it came across meanwhile, finished with the
// obvious lines a person would add, so never one line short. Its lines are
// always the solver's or the game's, so always right. The answer depends
// only on the draw, the strength and the seed.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "ProfilsJoueur.h"
#include "SolutionsVoisines.h"

namespace tolvan {

inline constexpr double SecondesDuelParDefaut = 40;

// Beyond the draw's own search, how many of the numbers nearest the target
// it looks at with every solution the solver finds for them (searched only
// when nearer than what it has); past them it only sees the draw's simple
// chains (SolutionsVoisines::EnchainementsSimples). This bounds its work
// whatever the draw.
inline constexpr int NombresVoisinsRegardes = 4;

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
  // `force` from ForceMin to ForceMax: one of the five named strengths, or
  // any strength between (a simulated player of that rating).
  Adversaire(double force, std::uint64_t graine);

  const ProfilAdversaire& Profil() const { return profil_; }

  // Its answer to the draw of `solutions` with `secondesDonnees` on the
  // clock. Searches at most NombresVoisinsRegardes other numbers.
  ReponseAdversaire Repond(SolutionsVoisines& solutions, double secondesDonnees) const;

  // A chain it has, and since when (none: infinity).
  struct Trouvaille {
    double secondes = std::numeric_limits<double>::infinity();
    TSolution solution;
    bool Faite() const { return solution.NbEtapes > 0; }
  };

 private:
  // When it misses the target: the nearest number it has by the end.
  Trouvaille PlusProcheVu(SolutionsVoisines& solutions, double secondesDonnees) const;

  std::uint64_t cleForce_;  // the strength, in hundredths, in its random numbers
  ProfilAdversaire profil_;
  std::uint64_t graine_;
};

}  // namespace tolvan
