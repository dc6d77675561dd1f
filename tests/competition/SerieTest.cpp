#include <gtest/gtest.h>

#include "competition/Serie.h"

namespace tolvan::test {
namespace {

TEST(Serie, ARunningSeriesCountsTheDrawsFoundAndTheirPoints) {
  struct Cas {
    int coefficient;
    bool aideInterdite;
    int seconde;
    std::string points;
  };
  // What each second is worth is the points' own business; here, that the
  // series asks with its own choices.
  for (const Cas& c : std::vector<Cas>{{2, true, 10, "232"}, {1, false, 10, "83"}}) {
    Serie serie;
    serie.DefinitTempsNiveau(60);
    serie.DefinitCoefficient(c.coefficient);
    serie.DefinitAideInterdite(c.aideInterdite);
    serie.Commence();
    EXPECT_EQ(serie.Points(c.seconde), std::stoi(c.points));
    EXPECT_EQ(serie.CompteTrouve(c.seconde), (LigneScore{"1", c.points})) << c.coefficient;
    EXPECT_EQ(serie.ScoreTotal(), std::stoi(c.points));
  }
  Serie serie;
  serie.DefinitTempsNiveau(60);
  serie.Commence();
  EXPECT_EQ(serie.CompteTrouve(0), (LigneScore{"1", "60"}));
  EXPECT_EQ(serie.CompteTrouve(59), (LigneScore{"2", "46"}));
  EXPECT_EQ(serie.NbTrouves(), 2);
  EXPECT_EQ(serie.ScoreTotal(), 106);
  serie.RemetAZero();
  EXPECT_EQ(serie.ScoreTotal(), 0);
}

}  // namespace
}  // namespace tolvan::test
