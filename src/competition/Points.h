// What a draw found in a series is worth.
#pragma once

#include <cstdint>

namespace tolvan {

// The points at second `ecoule` of a draw whose level time is `tempsNiveau`,
// for the time coefficient `coefficient` (0: 50% of the time for 200% of
// the points ... 4: 200% for 50%; -1: none chosen), times 4 when hints are
// forbidden. A 16-bit unsigned value, as every user of it takes it.
std::uint16_t CalculePoints(int ecoule, int tempsNiveau, int coefficient, bool aideInterdite);

}  // namespace tolvan
