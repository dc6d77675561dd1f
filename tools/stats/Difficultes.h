// How the difficulty marks fall over random standard draws: the draws of a
// seeded SplitMix64 sequence, each dealt as the game deals a random draw
// (six slots of the pool, then a target from 101 to 999) and searched whole.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <vector>

#include "engine/Difficulte.h"

namespace tolvan::stats {

// What `tolvan-stats --difficulte` deals: 100,000 draws from the seed 2026.
inline constexpr int TiragesDifficulte = 100000;
inline constexpr std::uint64_t GraineDifficulte = 2026;


struct Repartition {
  std::array<long long, DifficulteMax + 1> parMarque{};  // index 1 to 5
  long long total = 0;
};

// The marks of `nombre` draws from `graine`, computed on `fils` threads;
// the same whatever the number of threads.
Repartition CalculeDifficultes(int nombre, std::uint64_t graine, int fils,
                               const std::function<void(int, int)>& progres = {});

void EcritDifficultes(const Repartition& repartition, bool json, std::ostream& sortie);

}  // namespace tolvan::stats
