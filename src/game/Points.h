// The points a found draw is worth, and the time limits of training games.
#pragma once

#include <array>
#include <cstdint>

namespace tolvan {

// Seconds allowed for each choice of "Temps :", in list order ("illimité"
// is one hour).
inline constexpr std::array<int, 9> DureesTemps = {3600, 20, 40, 50, 60, 90, 120, 180, 300};

// The points at second `ecoule` of a draw whose level time is `tempsNiveau`,
// for the time coefficient `coefficient` (0: 50% of the time for 200% of
// the points ... 4: 200% for 50%; -1: none chosen), times 4 when hints are
// forbidden. A 16-bit unsigned value, as every user of it takes it.
std::uint16_t CalculePoints(int ecoule, int tempsNiveau, int coefficient, bool aideInterdite);

}  // namespace tolvan
