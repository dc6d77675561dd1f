// How well "Ma cote" learns a player, measured on simulated players: the
// computer opponent's own model at strengths 1.5, 2.5, 3.5 and 4.5 plays
// real standard draws (dealt as the game deals them, each searched once),
// and the rating follows it game after game. Also the calibration of its
// predicted chances, and how often draws dealt "À ma mesure" are found.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <vector>

namespace tolvan::stats {

// What `tolvan-stats --cote` simulates, all with 40 s on the clock.
inline constexpr std::array<double, 4> ForcesSimulees = {1.5, 2.5, 3.5, 4.5};
inline constexpr int CoursesParForce = 200;       // runs of each strength...
inline constexpr int TiragesParCourse = 50;       // ... of this many draws
inline constexpr int JoueursDeCalibration = 400;  // strengths spread over 1..5, 50 draws each
inline constexpr int CoursesAMaMesure = 25;       // runs of each strength dealt "À ma mesure"...
inline constexpr int TiragesAMaMesure = 40;       // ... of this many draws
inline constexpr int TiragesDuBassin = 10000;     // the draws the runs pick from
inline constexpr std::uint64_t GraineDesCotes = 2026;
inline constexpr double SecondesDesCotes = 40;

// The runs of one strength: how near the rating came, and whether its ±
// held the truth, after 30 and after 50 draws.
struct SuiviForce {
  double force = 0;
  int courses = 0;
  int aUnDemiPres30 = 0;       // within 0.5 after 30 draws
  int aTroisDixiemesPres50 = 0;  // within 0.3 after 50
  int couvertes30 = 0;         // the truth within the ± after 30
  int couvertes50 = 0;
  double sommeCotes50 = 0;
  double sommeEcarts50 = 0;    // of the ±
  void Ajoute(const SuiviForce& autre);
};

// The games whose predicted chance fell in one tenth.
struct TrancheDeCalibration {
  int parties = 0;
  double sommePredite = 0;
  int trouvees = 0;
  void Ajoute(const TrancheDeCalibration& autre);
};

// Draws dealt at the player's measure: the first ten (near 0.5) and the
// others (0.70 to 0.80).
struct MesureForce {
  double force = 0;
  int partiesDebut = 0;
  int trouveesDebut = 0;
  int parties = 0;
  int trouvees = 0;
  double sommeChances = 0;  // predicted, the others
  int essaisPlusLong = 0;   // most draws tried for one
  void Ajoute(const MesureForce& autre);
};

struct BilanCotes {
  std::vector<SuiviForce> suivis;
  std::array<TrancheDeCalibration, 10> calibration{};
  std::vector<MesureForce> aMaMesure;
  // The mean over games of the gap between predicted and found, tenth by
  // tenth of the prediction (expected calibration error).
  double ErreurDeCalibration() const;
};

// The whole simulation on `fils` threads; the same whatever their number.
BilanCotes CalculeCotes(int fils, const std::function<void(int, int)>& progres = {});

void EcritCotes(const BilanCotes& bilan, bool json, std::ostream& sortie);

}  // namespace tolvan::stats
