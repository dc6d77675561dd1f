// How hard a solution is for a person to see: the measure the computer
// opponent's times and reach are built on. One line of easy numbers weighs
// 1; every further line (a line always uses up one more of the drawn
// numbers), every awkward product or division, every intermediate result
// that is not round, and a largest intermediate far above the target weigh
// more.
#pragma once

#include "engine/Records.h"

namespace tolvan {

// The weights of the measure (see the README's model of the opponent).
struct PoidsEffort {
  static constexpr double ParLigne = 1.0;
  // A product of two numbers above 10, neither a multiple of 25 (13x17,
  // not 25x13 nor 7x9).
  static constexpr double ProduitMalaise = 1.0;
  static constexpr double Division = 0.5;
  static constexpr double DiviseurMalaise = 0.5;  // a divisor above 10, not a multiple of 25
  // An intermediate result above 10 that is not a multiple of 5: harder to
  // keep in mind than 100, 75 or 40.
  static constexpr double IntermediaireNonRond = 0.5;
  // For every doubling of the largest intermediate beyond the target (or
  // beyond 100 for small targets): going far past it to come back.
  static constexpr double ParDoublementAuDela = 0.7;
};

// The effort of the `NbEtapes` steps of `solution`, whose last line reaches
// `resultat`: 1 at the least (one easy line), to the tenth.
double EffortSolution(const TSolution& solution, longint resultat);

}  // namespace tolvan
