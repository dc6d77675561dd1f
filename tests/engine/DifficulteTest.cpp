#include <gtest/gtest.h>

#include "engine/Difficulte.h"

namespace tolvan::test {
namespace {

int MarqueDe(std::array<longint, 6> nombres, longint cible) {
  Solveur solveur;
  TTirage tirage;
  for (int i = 1; i <= 6; ++i) tirage.Nombres[i] = nombres[static_cast<std::size_t>(i - 1)];
  tirage.Resultat = cible;
  solveur.ChangeTirage(tirage);
  solveur.ChercheSol(0);
  return MarqueDifficulte(solveur);
}

TEST(Difficulte, OneOperationIsOneAndOutOfReachIsFive) {
  EXPECT_EQ(MarqueDe({100, 75, 2, 3, 4, 5}, 175), 1);  // 100+75
  EXPECT_EQ(MarqueDe({100, 2, 1, 1, 2, 3}, 200), 1);   // 100x2
  EXPECT_EQ(MarqueDe({1, 1, 2, 2, 3, 3}, 999), 5);
  EXPECT_EQ(MarqueDifficulte(false, 3, 40), 5);
  EXPECT_EQ(MarqueDifficulte(true, 1, 1), 1);
}

TEST(Difficulte, MoreLinesOrFewerSolutionsNeverLowerTheMark) {
  for (int lignes = 1; lignes <= 5; ++lignes) {
    for (int solutions = 1; solutions <= 4000; solutions += solutions < 30 ? 1 : 97) {
      const int marque = MarqueDifficulte(true, lignes, solutions);
      EXPECT_GE(marque, 1);
      EXPECT_LE(marque, 4);
      if (lignes < 5) {
        EXPECT_LE(marque, MarqueDifficulte(true, lignes + 1, solutions)) << lignes << ' ' << solutions;
      }
      if (solutions > 1) {
        EXPECT_LE(marque, MarqueDifficulte(true, lignes, solutions - 1)) << lignes << ' ' << solutions;
      }
    }
  }
  // Each mark from 1 to 4 is reached.
  EXPECT_EQ(MarqueDifficulte(true, 2, 50), 1);
  EXPECT_EQ(MarqueDifficulte(true, 2, 3), 2);
  EXPECT_EQ(MarqueDifficulte(true, 3, 10), 3);
  EXPECT_EQ(MarqueDifficulte(true, 5, 100), 4);
}

}  // namespace
}  // namespace tolvan::test
