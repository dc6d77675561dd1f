// The solutions the computer opponent draws on: those of the searched draw,
// which the game already has, and those of numbers near the target,
// searched only when the opponent looks that far and kept for the next look.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "engine/Solveur.h"

namespace tolvan {

// A solution and how hard it is to see (EffortSolution).
struct SolutionVue {
  TSolution solution;
  double effort = 0;
};
using SolutionsVues = std::vector<SolutionVue>;

// The simple chains of at most this many lines: two drawn numbers, then
// lines that each bring one more drawn number to the last result; or two
// pairs of drawn numbers put together, (75+25)x(7+3).
inline constexpr int NombreDeLignesSimples = 3;
// Chains by the number they reach.
using EnchainementsParValeur = std::map<longint, SolutionsVues>;

class SolutionsVoisines {
 public:
  // `cherche` has searched its `Tirage` (as the game does, or in series
  // mode); its table is read here, once, and not kept.
  explicit SolutionsVoisines(const Solveur& cherche);
  ~SolutionsVoisines();
  SolutionsVoisines(const SolutionsVoisines&) = delete;
  SolutionsVoisines& operator=(const SolutionsVoisines&) = delete;

  const TTirage& Tirage() const { return tirage_; }

  // Every solution reaching `valeur` (none when it is out of reach).
  const SolutionsVues& De(longint valeur);
  // Whether the draw's own search tells `valeur`'s solutions (the target's,
  // or the nearest reachable number's and that nothing is nearer), so that
  // `De(valeur)` needs no other search whatever was asked before.
  bool DansLaRecherche(longint valeur) const;
  // The number the draw's own search reaches: the target, or the nearest
  // reachable number when the target is out of reach (0 when none is).
  longint ValeurAtteinte() const { return atteint_; }
  // The `nombre` numbers nearest the target that the draw's own search does
  // not tell, by distance (the lower first at equal distance).
  std::vector<longint> Voisins(int nombre) const;
  // Every simple chain of the draw, by the number it reaches (no search:
  // made the first time it is asked for, then kept).
  const EnchainementsParValeur& EnchainementsSimples();

  // The searches made beyond the draw's own.
  int Recherches() const { return recherches_; }

 private:
  SolutionsVues& Range(longint valeur, const Solveur& cherche);
  bool Connue(longint valeur) const;

  TTirage tirage_;
  std::map<longint, SolutionsVues> connues_;
  // Numbers closer to the target than this are known to be out of reach
  // (the search fell back on the nearest reachable number).
  longint ecartSansSolution_ = 0;
  longint atteint_ = 0;  // the number the draw's table reaches
  std::unique_ptr<Solveur> autre_;  // searches other numbers; made when first needed
  int recherches_ = 0;
  std::optional<EnchainementsParValeur> enchainements_;
};

}  // namespace tolvan
