#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "engine/SolutionText.h"
#include "game/LignesEvidentes.h"
#include "TiragesDeTest.h"

namespace tolvan {
namespace {

TSolution Chaine(const std::vector<TEtape>& etapes) {
  TSolution s;
  s.NbEtapes = static_cast<word>(etapes.size());
  for (std::size_t k = 0; k < etapes.size(); ++k) {
    s.Etapes[k + 1] = etapes[k];
    s.Resultats[k + 1] = Calcule(etapes[k]);
  }
  return s;
}

TEST(LignesEvidentes, AChainIsFinishedWithTheNearestLinesOrLeftToTheTargetItLeadsTo) {
  struct Cas {
    const char* quoi;
    std::array<longint, 6> nombres;
    std::vector<TEtape> chaine;
    longint cible;
    std::optional<longint> fin;  // nothing: the chain leads to the target
    int lignes = 0;
  };
  const std::vector<Cas> cas = {
      {"400 with the 1 left for 399", {3, 7, 1, 8, 50, 6}, {{50, 8, OperMultiplication}}, 399, std::nullopt},
      {"400 with 6 and 3 left for 398 (6/3)", {3, 7, 1, 8, 50, 6}, {{50, 8, OperMultiplication}}, 398, std::nullopt},
      {"800, then 807 with 3 and 2 left for 812", {75, 25, 3, 7, 8, 2},
       {{75, 25, OperAddition}, {100, 8, OperMultiplication}}, 812, std::nullopt},
      // 400+9, +8, +6, +2: each tile the nearest line, no pair making what is missing.
      {"400 for 438, one tile after the other", {100, 4, 9, 8, 2, 6}, {{100, 4, OperMultiplication}}, 438, 425, 5},
      // 175+10 is 185, further from 178 than 175; no pair makes 3.
      {"no line comes nearer", {25, 50, 75, 100, 10, 10}, {{100, 75, OperAddition}}, 178, 175, 1},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.quoi);
    const std::optional<TSolution> finie = FinitAuPlusPres(Tirage(c.nombres, c.cible), Chaine(c.chaine), c.cible);
    ASSERT_EQ(finie.has_value(), c.fin.has_value());
    if (!finie) continue;
    EXPECT_EQ(finie->Resultats[finie->NbEtapes], *c.fin);
    EXPECT_EQ(finie->NbEtapes, c.lignes);
    for (int k = 1; k <= static_cast<int>(c.chaine.size()); ++k) EXPECT_EQ(finie->Etapes[k], c.chaine[k - 1]);
  }
}

TEST(LignesEvidentes, TheNumbersLeftAreTheUnusedTilesAndAnyResultNoLineUsed) {
  const TTirage tirage = Tirage({75, 25, 3, 7, 8, 2}, 812);
  auto restants = NombresRestants(tirage, Chaine({{75, 25, OperAddition}, {100, 8, OperMultiplication}}));
  std::sort(restants.begin(), restants.end());
  EXPECT_EQ(restants, (std::vector<longint>{2, 3, 7}));
  // 75+25=100 stays on the board when the last line is 8-7=1.
  restants = NombresRestants(tirage, Chaine({{75, 25, OperAddition}, {8, 7, OperSoustraction}}));
  std::sort(restants.begin(), restants.end());
  EXPECT_EQ(restants, (std::vector<longint>{2, 3, 100}));
}

TEST(LignesEvidentes, OnlyLinesThatChangeSomethingAndStayWithinTheGamesNumbers) {
  const auto resultats = [](longint x, longint y) {
    std::vector<longint> r;
    for (const TEtape& ligne : LignesPermises(x, y)) r.push_back(Calcule(ligne));
    return r;
  };
  EXPECT_EQ(resultats(3, 12), (std::vector<longint>{15, 9, 36, 4}));
  EXPECT_EQ(resultats(7, 7), (std::vector<longint>{14, 49, 1}));  // no 0
  EXPECT_EQ(resultats(1, 9), (std::vector<longint>{10, 8}));      // no x1 nor /1
  EXPECT_EQ(resultats(0, 9), (std::vector<longint>{}));
  EXPECT_EQ(resultats(2147483647, 2), (std::vector<longint>{2147483645}));
}

}  // namespace
}  // namespace tolvan
