// How the computer opponent's strengths fare on random standard draws with
// the duel's clock: the draws of a seeded SplitMix64 sequence, dealt as the
// game deals them, each searched once and answered at every strength.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <vector>

#include "game/Adversaire.h"

namespace tolvan::stats {

// What `tolvan-stats --adversaires` deals: 10,000 draws from the seed 2026,
// 40 seconds each; draw i is answered with the seed i.
inline constexpr int TiragesAdversaires = 10000;
inline constexpr std::uint64_t GraineAdversaires = 2026;

// The announcements that are not the target, and how far from it.
struct Rates {
  long long annonces = 0;
  long long sommeEcarts = 0;
  double EcartMoyen() const;
  void Ajoute(const Rates& autres);
};

struct BilanForce {
  long long exacts = 0;
  long long sansReponse = 0;         // nothing found in the time
  Rates ratesAtteignables;           // a reachable target missed
  Rates ratesImpossibles;            // a target out of reach
  std::vector<double> secondes;      // when it had its answer, every draw
  double plusLongExact = 0;          // its longest time to an exact answer
  long long atteignablesManques = 0; // reachable targets it did not find
  Rates TousLesRates() const;
};

struct BilanAdversaires {
  long long tirages = 0;
  long long atteignables = 0;  // draws whose target can be reached
  Rates plusProches;           // the nearest reachable number of each target out of reach
  std::array<BilanForce, ForceMax> parForce;
};

// The answers to `nombre` draws from `graine` with `secondes` on the clock,
// computed on `fils` threads; the same whatever the number of threads.
BilanAdversaires CalculeAdversaires(int nombre, std::uint64_t graine, double secondes, int fils,
                                    const std::function<void(int, int)>& progres = {});

void EcritAdversaires(const BilanAdversaires& bilan, bool json, std::ostream& sortie);

}  // namespace tolvan::stats
