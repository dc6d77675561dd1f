// The draws the tests of the game's rules are written with: six numbers and
// a target as they read, and a draw searched as the game searches it.
#pragma once

#include <array>

#include "engine/Solveur.h"

namespace tolvan {

inline TTirage Tirage(std::array<longint, 6> nombres, longint cible) {
  TTirage tirage;
  for (int i = 1; i <= NbNombres; ++i) tirage.Nombres[i] = nombres[static_cast<std::size_t>(i - 1)];
  tirage.Resultat = cible;
  return tirage;
}

// A draw searched as the game searches it, ready for the opponent.
struct TirageCherche {
  Solveur solveur;
  explicit TirageCherche(const TTirage& tirage) {
    solveur.ChangeTirage(tirage);
    solveur.ChercheSol(0);
  }
  bool Atteignable() const { return solveur.NbSolutions > 0 && !solveur.SolutionApprochee; }
};

}  // namespace tolvan
