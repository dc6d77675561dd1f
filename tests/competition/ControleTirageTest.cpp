#include <gtest/gtest.h>

#include "competition/ControleTirage.h"

namespace tolvan::test {
namespace {

TTirage Tirage(std::vector<longint> nombres, longint cible) {
  TTirage tirage;
  for (std::size_t i = 0; i < nombres.size(); ++i) tirage.Nombres[i + 1] = nombres[i];
  tirage.Resultat = cible;
  return tirage;
}

using Verdict = ControleTirage::Verdict;

// Six ones reach 1 to 9 and nothing else, so 999 is out of reach: 9 is the
// nearest the plates give (8 points), 8 the next (6) ... and 10 is not a
// calculation at all.
TEST(ControleTirage, ANumberIsCheckedAgainstWhatThePlatesGive) {
  const ControleTirage controle(Tirage({1, 1, 1, 1, 1, 1}, 999));
  EXPECT_FALSE(controle.CibleAtteignable());
  const std::vector<Verdict> attendus = {
      {9, true, 990, 8}, {8, true, 991, 6}, {5, true, 994, 1}, {4, true, 995, 0},
      {10, false, 989, 0}, {999, false, 0, 0}, {0, false, 999, 0},
  };
  for (const Verdict& attendu : attendus) EXPECT_EQ(controle.Verifie(attendu.resultat), attendu) << attendu.resultat;
  EXPECT_EQ(TexteVerdict(controle.Verifie(9), controle.Tirage()), "9 : à 990 de 999, 8 points");
  EXPECT_EQ(TexteVerdict(controle.Verifie(10), controle.Tirage()), "10 : ces plaques ne donnent pas ce nombre, 0 point");

  const ControleTirage exact(Tirage({1, 2, 3, 4, 5, 6}, 100));
  EXPECT_EQ(exact.Verifie(100), (Verdict{100, true, 0, 10}));
  EXPECT_EQ(TexteVerdict(exact.Verifie(100), exact.Tirage()), "100 : le compte est bon, 10 points");
  EXPECT_EQ(TexteVerdict(exact.Verifie(99), exact.Tirage()), "99 : à 1 de 100, 9 points");
}

// The room's scale counts the distances announced, not those the plates
// reach: announced 7 and 5 only, 7 is the room's nearest (8) and 5 the
// next (6); a number the plates do not give still scores nothing, and a
// reachable target keeps the ordinary scale.
TEST(ControleTirage, TheRoomsScaleCountsTheBestResultsAnnounced) {
  const ControleTirage controle(Tirage({1, 1, 1, 1, 1, 1}, 999));
  const std::vector<longint> ecarts = EcartsDeLaSalle(controle, {5, 7, 7, 10, 5});
  EXPECT_EQ(ecarts, (std::vector<longint>{992, 994}));
  EXPECT_EQ(controle.Verifie(7, ecarts).points, 8);
  EXPECT_EQ(controle.Verifie(5, ecarts).points, 6);
  EXPECT_EQ(controle.Verifie(9, ecarts).points, 0) << "nobody in the room announced 9";
  EXPECT_EQ(controle.Verifie(10, ecarts).points, 0);
  EXPECT_EQ(EcartsDeLaSalle(controle, {1, 2, 3, 4, 5, 6, 7}).size(), 5u) << "five distances score, as on paper";

  const ControleTirage exact(Tirage({1, 2, 3, 4, 5, 6}, 100));
  EXPECT_EQ(exact.Verifie(90, EcartsDeLaSalle(exact, {90})).points, 2);
}

// Past 16384 the plates are asked of the exhaustive solver: the product of
// every plate is reached, one more is not.
TEST(ControleTirage, LargeNumbersAreAskedOfTheSolver) {
  const ControleTirage controle(Tirage({100, 75, 50, 25, 10, 10}, 500));
  EXPECT_TRUE(controle.Donne(937500000));
  EXPECT_FALSE(controle.Donne(937500001));
  EXPECT_TRUE(controle.Donne(75 * 50 * 10));
  EXPECT_EQ(controle.Verifie(937500000).points, 0);
}

}  // namespace
}  // namespace tolvan::test
