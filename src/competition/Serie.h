// A competition series: whether one runs, how many draws it found and the
// points they earned, and what a found draw is worth (the level's normal
// time, the time coefficient, hints forbidden or not).
#pragma once

#include <array>
#include <functional>
#include <string>

#include "engine/Records.h"
#include "game/Manche.h"

namespace tolvan {

// The coefficient chosen when none is: "100% du temps 100% des points".
inline constexpr int CoefficientNormal = 2;
// The share of the level's normal time each coefficient allows.
inline constexpr std::array<double, 5> CoefTemps = {0.5, 0.75, 1, 1.5, 2};

class Serie {
 public:
  // In competition mode draws come from a level's series only, and the time
  // running out on a draw ends the series.
  bool ModeCompetition() const { return competition_; }
  void DefinitModeCompetition(bool competition) { competition_ = competition; }

  bool EnCours() const { return enCours_; }
  // The level, the coefficient and the hint ban change between series only.
  bool ReglagesModifiables() const { return competition_ && !enCours_; }
  // A new series dealing from the first `nbTirages` rows of the draws list:
  // it runs, with nothing found yet.
  void Commence(int nbTirages = 0);
  // The series stops running; what it found stays counted.
  void Arrete() { enCours_ = false; }
  // Nothing found, no points: the counters start again from zero.
  void RemetAZero();

  word NbTrouves() const { return nbTrouves_; }
  longint ScoreTotal() const { return scoreTotal_; }
  // What finding the draw at second `ecoule` earns.
  std::uint16_t Points(int ecoule) const;
  // A draw found at second `ecoule`: counted with its points, and its row
  // of the games list.
  LigneScore CompteTrouve(int ecoule);

  word TempsNiveau() const { return tempsNiveau_; }
  void DefinitTempsNiveau(word secondes) { tempsNiveau_ = secondes; }
  // 0 (half the time, twice the points) to 4 (twice the time, half the
  // points); -1 when none is chosen.
  int Coefficient() const { return coefficient_; }
  void DefinitCoefficient(int coefficient) { coefficient_ = coefficient; }
  bool AideInterdite() const { return aideInterdite_; }
  void DefinitAideInterdite(bool interdite) { aideInterdite_ = interdite; }

  // The seconds allowed for one draw: the coefficient's share of the
  // level's time, rounded halves to even (half of 45 s is 22 s).
  int TempsAccorde() const;
  // The row of the next draw: any of the series' rows, each time anew.
  int LigneAuHasard(const std::function<int(int)>& hasard) const { return hasard(nbTirages_); }

 private:
  bool competition_ = false;
  bool enCours_ = false;
  word nbTrouves_ = 0;
  longint scoreTotal_ = 0;
  word tempsNiveau_ = 0;  // no level read yet
  int coefficient_ = CoefficientNormal;
  bool aideInterdite_ = false;
  int nbTirages_ = 0;
};

}  // namespace tolvan
