#include <gtest/gtest.h>

#include "competition/Points.h"

namespace tolvan::test {
namespace {

TEST(CalculePoints, EachTimeCoefficientHasItsFormula) {
  struct Cas {
    int ecoule, temps, coefficient;
    bool aide;
    int points;
  };
  const std::vector<Cas> cas = {
      {10, 60, 2, false, 58},      // T - P div 4
      {10, 60, 2, true, 232},      // hints forbidden: x 4
      {10, 60, 1, false, 83},      // Round(90 - 6.67)
      {10, 60, 0, false, 115},     // 2T - P div 2
      {10, 60, 3, false, 44},      // Round(45 - 1)
      {10, 60, 4, false, 28},      // Round(30 - 2)
      {0, 2, 3, false, 2},         // 1.5 rounds to 2 (even)
      {0, 6, 3, false, 4},         // 4.5 rounds to 4 (even)
      {0, 5, 4, false, 2},         // 2.5 rounds to 2
      {0, 7, 4, false, 4},         // 3.5 rounds to 4
      {3, 1, 1, false, 0},         // Round(1.5 - 2) = Round(-0.5) = 0
      {10, 0, 2, false, 65534},    // 0 - 2 in 16 bits
      {10, 0, 0, false, 65531},    // 0 - 5 in 16 bits
      {30, 0, 4, false, 65529},    // Round(0 - 7) in 16 bits
      {0, 20000, 0, true, 28928},  // 40000 x 4 = 160000 in 16 bits
      {10, 60, -1, true, 0},       // no coefficient chosen
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(CalculePoints(c.ecoule, c.temps, c.coefficient, c.aide), c.points)
        << "P=" << c.ecoule << " T=" << c.temps << " coefficient " << c.coefficient;
  }
}

TEST(CalculePoints, FindingEarlierIsWorthMore) {
  for (int coefficient = 0; coefficient < 5; ++coefficient) {
    for (int p = 1; p < 60; ++p) {
      EXPECT_LE(CalculePoints(p, 60, coefficient, false), CalculePoints(p - 1, 60, coefficient, false));
    }
  }
}

}  // namespace
}  // namespace tolvan::test
