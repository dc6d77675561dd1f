// How long a player of a given strength takes to see a solution, read two
// ways: drawn at random, as the computer opponent plays, and worked out, as
// the player's rating and the draws at the player's measure need it (the
// chance of seeing the target in time). Both ways are this one law, so the
// chance worked out for a draw is the share of seeds with which the
// opponent finds it.
//
// A solution of effort e is seen after base x 2.2^(e-1) x exp(sigma Z)
// seconds (20 times slower for each unit of effort beyond the strength's
// reach), each solution on its own, Z being the sum of twelve uniform
// numbers less 6 (Irwin-Hall: nearly a standard normal, from plain
// arithmetic, the same on every machine); on a draw it sees through (a
// share of draws from 0 at strength 4 to all of them for the champion), no
// solution takes longer than the cap. The target is seen with its first
// solution seen, unless a lapse (chance `distraction`) hides it for the
// whole draw.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "ProfilsJoueur.h"
#include "ResumeEfforts.h"
#include "SplitMix64.h"
#include "engine/Records.h"

namespace tolvan {

// The random numbers of one look at one number: they come from the seed,
// the strength, the draw and the number looked at alone.
class HasardDuRegard {
 public:
  // `cleForce`: the strength in hundredths (ForceEnCentiemes).
  HasardDuRegard(std::uint64_t graine, std::uint64_t cleForce, const TTirage& tirage, longint valeur);
  // Uniform in [0, 1), on 53 bits.
  double Uniforme() { return static_cast<double>(generateur_.Suivant() >> 11) * 0x1.0p-53; }
  // Z: the sum of twelve uniforms less 6.
  double Normale();

 private:
  SplitMix64 generateur_;
};

std::uint64_t ForceEnCentiemes(double force);

// What a player brings to one draw, drawn from the look at 0, a number
// never looked at: whether a lapse hides the target, and the cap of its
// times on this draw (infinity when it does not see this one through).
struct HumeurDuTirage {
  bool distrait = false;
  double plafond = 0;
};
HumeurDuTirage HumeurPour(const ProfilAdversaire& profil, std::uint64_t graine, std::uint64_t cleForce,
                          const TTirage& tirage);

// When a solution of `effort` is seen, from the next normal of `hasard`,
// at most `plafond` (the draw's).
double SecondesPourVoir(double effort, const ProfilAdversaire& profil, double plafond, HasardDuRegard& hasard);

// The first of the target's solutions seen (their efforts in the table's
// order) and when, drawn as the opponent draws it; nothing when a lapse
// hides the target or none is seen within `secondes`.
struct VueDeLaCible {
  double secondes = 0;
  std::size_t indice = 0;
};
std::optional<VueDeLaCible> VoitLaCible(std::span<const double> efforts, const ProfilAdversaire& profil,
                                        std::uint64_t graine, std::uint64_t cleForce, const TTirage& tirage,
                                        double secondes);

// The chance that the first of the target's solutions is seen within
// `secondes`, lapses left aside.
double ChanceDeVoirAvant(const ResumeEfforts& resume, const ProfilAdversaire& profil, double secondes);
// The chance of finding the target within `secondes`: no lapse, and seen
// in time. The share of seeds with which VoitLaCible sees it.
double ChanceDeTrouver(const ResumeEfforts& resume, const ProfilAdversaire& profil, double secondes);

}  // namespace tolvan
