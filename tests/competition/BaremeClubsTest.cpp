#include <gtest/gtest.h>

#include "competition/BaremeClubs.h"

namespace tolvan::test {
namespace {

TTirage Tirage(std::vector<longint> nombres, longint cible) {
  TTirage tirage;
  for (std::size_t i = 0; i < nombres.size(); ++i) tirage.Nombres[i + 1] = nombres[i];
  tirage.Resultat = cible;
  return tirage;
}

TEST(BaremeClubs, TheOrdinaryScaleCountsTheDistanceToAReachableTarget) {
  // 1 2 3 4 5 6 reach every number from 75 to 125.
  const BaremeClubs bareme(Tirage({1, 2, 3, 4, 5, 6}, 100));
  ASSERT_TRUE(bareme.CibleAtteignable());
  const std::vector<std::pair<longint, int>> table = {
      {0, 10}, {1, 9}, {2, 8}, {3, 7},  {4, 6},  {5, 5},  {6, 4},  {7, 3},  {8, 3},
      {9, 2},  {10, 2}, {11, 1}, {15, 1}, {20, 1}, {21, 0}, {25, 0},
  };
  for (const auto& [ecart, points] : table) {
    EXPECT_EQ(BaremeClubs::PointsOrdinaires(ecart), points) << ecart;
    EXPECT_EQ(bareme.Points(100 + ecart), points) << "100 + " << ecart;
    EXPECT_EQ(bareme.Points(100 - ecart), points) << "100 - " << ecart;
  }
  EXPECT_EQ(bareme.Points(std::nullopt), 0);
}

TEST(BaremeClubs, AnOutOfReachTargetScoresTheLargerOfBothScales) {
  struct Cas {
    TTirage tirage;
    std::vector<longint> ecarts;
    std::vector<std::pair<longint, int>> points;  // result, points
  };
  const std::vector<Cas> cas = {
      // 10 and 3 reach 3, 7, 10, 13 and 30: at 7, 10, 13 and 17 from 20.
      {Tirage({10, 3}, 20), {7, 10, 13, 17}, {{13, 8}, {10, 6}, {30, 6}, {7, 4}, {3, 2}, {20, 0}, {21, 0}}},
      // From 12, the ordinary scale gives more for the nearest ones.
      {Tirage({10, 3}, 12), {1, 2, 5, 9, 18}, {{13, 9}, {10, 8}, {7, 5}, {3, 2}, {30, 1}}},
      // Six ones reach 1 to 9 only: the five nearest distances score, the sixth does not.
      {Tirage({1, 1, 1, 1, 1, 1}, 999), {990, 991, 992, 993, 994}, {{9, 8}, {8, 6}, {7, 4}, {6, 2}, {5, 1}, {4, 0}}},
      // A standard draw: 1 1 2 3 9 6 reach 648 at most, then 567 = (6+1)x9x3x(2+1).
      {Tirage({1, 1, 2, 3, 9, 6}, 816), {168, 249, 276, 303, 312}, {{648, 8}, {567, 6}, {504, 1}}},
      {Tirage({0, 0, 0, 0, 0, 0}, 500), {}, {{500, 0}}},
  };
  for (const Cas& c : cas) {
    const BaremeClubs bareme(c.tirage);
    EXPECT_FALSE(bareme.CibleAtteignable()) << c.tirage.Resultat;
    EXPECT_EQ(bareme.EcartsProches(), c.ecarts) << c.tirage.Resultat;
    for (const auto& [resultat, points] : c.points) {
      EXPECT_EQ(bareme.Points(resultat), points) << resultat << " for " << c.tirage.Resultat;
    }
    EXPECT_EQ(bareme.Points(std::nullopt), 0);
  }
}

}  // namespace
}  // namespace tolvan::test
