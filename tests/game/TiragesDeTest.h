// The draws the tests of the game's rules are written with: six numbers and
// a target as they read, and a draw searched as the game searches it.
#pragma once

#include <array>
#include <vector>

#include "engine/Solveur.h"
#include "game/ResumeEfforts.h"

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

// A draw searched once, read as the opponent and the rating read it: the
// efforts of its target's solutions in the table's order, and in short.
struct TirageLu {
  TTirage tirage;
  std::vector<double> efforts;
  ResumeEfforts resume;
  explicit TirageLu(const TTirage& t) : tirage(t) {
    TirageCherche cherche(t);
    efforts = EffortsDeLaCible(cherche.solveur);
    resume = ResumeEfforts(efforts);
  }
};

}  // namespace tolvan
