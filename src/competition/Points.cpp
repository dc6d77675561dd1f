#include "Points.h"

#include <cfenv>
#include <cmath>

namespace tolvan {

namespace {

// To the nearest whole number, halves to the even neighbour, then taken
// modulo 2^16 like any 16-bit value.
std::uint16_t Arrondi(double valeur) {
  const int ancien = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const auto entier = static_cast<long long>(std::nearbyint(valeur));
  std::fesetround(ancien);
  return static_cast<std::uint16_t>(entier);
}

}  // namespace

std::uint16_t CalculePoints(int ecoule, int tempsNiveau, int coefficient, bool aideInterdite) {
  const int p = ecoule;
  const int t = tempsNiveau;
  std::uint16_t points = 0;
  switch (coefficient) {
    case 0: points = static_cast<std::uint16_t>(2 * t - p / 2); break;
    case 1: points = Arrondi(1.5 * t - 2.0 * p / 3.0); break;
    case 2: points = static_cast<std::uint16_t>(t - p / 4); break;
    case 3: points = Arrondi(0.75 * t - p / 6); break;
    case 4: points = Arrondi(0.5 * t - p / 4); break;
    default: return 0;
  }
  return aideInterdite ? static_cast<std::uint16_t>(points * 4) : points;
}

}  // namespace tolvan
